#pragma once
// Everything that leaves the program: folders, the desktop's "open with the
// default program", the clipboard. Tests install a recording version so that
// no test starts a browser or touches the user's files.

#include <QString>
#include <functional>

class Platform {
 public:
  virtual ~Platform() = default;

  // The per-user data folder: the XDG data home + "/tessvar/" (with the
  // trailing slash).
  virtual QString DataFolder() const;
  // A folder only this user can use, for files other programs open (the
  // printable page): $XDG_RUNTIME_DIR/tessvar/, made with mode 0700. Empty,
  // with the reason in why, when it cannot be made or is not the user's own.
  virtual QString TempFolder(QString* why = nullptr) const;
  // The folder of the running program.
  virtual QString ProgramFolder() const;
  // The path of a file that ships beside the program: the program's folder
  // first, then the installed data folder. Empty when none holds it.
  virtual QString FindBesideProgram(const QString& name) const;
  // Opens a document or address with the desktop's default program
  // (xdg-open). When no program could open it (xdg-open missing, or failing)
  // failed runs later, on the interface thread; the call never waits.
  virtual void OpenDocument(const QString& pathOrAddress, std::function<void()> failed = {});
  virtual void SetClipboardText(const QString& text);
  virtual QString ClipboardText() const;
};

Platform& AppPlatform();
// Installs p (not owned); nullptr restores the real one.
void SetAppPlatform(Platform* p);
