#pragma once
// Qt reads the system's font configuration (fontconfig's XML files: several
// milliseconds) when the window first measures text. Started on a second
// thread before the application object exists, that reading overlaps Qt's
// connection to the display. Join() waits for it before any text is
// measured, so that it is never done twice.

#include <thread>

class FontConfigWarmup {
 public:
  FontConfigWarmup();
  ~FontConfigWarmup() { Join(); }
  FontConfigWarmup(const FontConfigWarmup&) = delete;
  FontConfigWarmup& operator=(const FontConfigWarmup&) = delete;

  void Join();

 private:
  std::thread worker_;
};
