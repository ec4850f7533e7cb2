#pragma once
// Test dialogs: answers come from queues, every question is recorded.

#include <QDialog>
#include <QStringList>
#include <deque>
#include <functional>

#include "shell/Dialogs.h"

class ScriptedDialogs : public Dialogs {
 public:
  ScriptedDialogs() { SetAppDialogs(this); }
  ~ScriptedDialogs() override { SetAppDialogs(nullptr); }

  void Information(QWidget*, const QString& text) override { shown << "info:" + text; }
  bool Confirm(QWidget*, const QString& text) override {
    shown << "confirm:" + text;
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
  }
  QString SaveFileName(QWidget*, const QString& folder) override { return NextFile("save:" + folder); }
  QString OpenFileName(QWidget*, const QString& folder) override { return NextFile("open:" + folder); }
  std::optional<QString> InputText(QWidget*, const QString&, const QString& label, const QString&) override {
    shown << "input:" + label;
    if (inputs.empty()) return std::nullopt;
    // Copying the queued optional whole draws GCC's false "maybe
    // uninitialized" under -O2; its text alone does not.
    const bool given = inputs.front().has_value();
    const QString text = given ? *inputs.front() : QString();
    inputs.pop_front();
    if (!given) return std::nullopt;
    return text;
  }
  std::optional<QColor> PickColor(QWidget*, const QColor&) override {
    shown << "color";
    if (colors.empty()) return std::nullopt;
    auto c = colors.front();
    colors.pop_front();
    return c;
  }
  // Modal windows are not run: the test's handler (if any) acts on the
  // window as the player would, and its result is returned.
  int ShowModal(QDialog* dialog) override {
    shown << "modal:" + dialog->objectName();
    modal.push_back(dialog);
    if (onModal) return onModal(dialog);
    return QDialog::Rejected;
  }

  std::deque<bool> answers;                    // Yes = true
  std::deque<QString> files;                   // "" = cancel
  std::deque<std::optional<QString>> inputs;
  std::deque<QColor> colors;
  std::function<int(QDialog*)> onModal;
  QStringList shown;
  std::vector<QDialog*> modal;

 private:
  QString NextFile(const QString& what) {
    shown << what;
    if (files.empty()) return {};
    const QString f = files.front();
    files.pop_front();
    return f;
  }
};
