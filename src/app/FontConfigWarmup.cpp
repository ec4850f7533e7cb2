#include "app/FontConfigWarmup.h"

#include <dlfcn.h>

namespace {

// Through the library Qt has already loaded: the program needs no fontconfig
// headers, and a Qt without fontconfig simply skips this.
void LoadFontConfiguration() {
  void* lib = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_NOLOAD);
  if (!lib) return;
  using Init = int (*)();
  if (auto init = reinterpret_cast<Init>(dlsym(lib, "FcInit"))) init();
  dlclose(lib);
}

}  // namespace

FontConfigWarmup::FontConfigWarmup() : worker_(LoadFontConfiguration) {}

void FontConfigWarmup::Join() {
  if (worker_.joinable()) worker_.join();
}
