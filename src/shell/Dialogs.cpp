#include "shell/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPointer>

#include "shell/ApplyLanguage.h"
#include "shell/Platform.h"

namespace {

// The window title of questions comes from the language table at the moment
// they are shown; it is set through SetConfirmTitle by the main window.
QString& ConfirmTitle() {
  static QString title;
  return title;
}

class QtDialogs final : public Dialogs {
 public:
  void Information(QWidget* parent, const QString& text) override {
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
  }
  bool Confirm(QWidget* parent, const QString& text) override {
    const QString title = ConfirmTitle().isEmpty() ? QApplication::applicationDisplayName() : ConfirmTitle();
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  QString SaveFileName(QWidget* parent, const QString& folder) override {
    return QFileDialog::getSaveFileName(parent, QString(), folder, QString(), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
  }
  QString OpenFileName(QWidget* parent, const QString& folder) override {
    return QFileDialog::getOpenFileName(parent, QString(), folder);
  }
  std::optional<QString> InputText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& initial) override {
    bool ok = false;
    const QString text = QInputDialog::getText(parent, title, label, QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
  }
  std::optional<QColor> PickColor(QWidget* parent, const QColor& initial) override {
    const QColor c = QColorDialog::getColor(initial, parent);
    if (!c.isValid()) return std::nullopt;
    return c;
  }
  int ShowModal(QDialog* dialog) override { return dialog->exec(); }
};

Dialogs* installed = nullptr;

}  // namespace

void SetConfirmTitle(const QString& title) { ConfirmTitle() = title; }

Dialogs& AppDialogs() {
  static QtDialogs qt;
  return installed ? *installed : qt;
}

void SetAppDialogs(Dialogs* d) { installed = d; }

void OpenDocumentOrSay(QWidget* parent, const LanguageTable& table, const QString& target) {
  const QPointer<QWidget> window(parent);
  const QString text = TextOf(table, "msg_openfailed").arg(target);
  AppPlatform().OpenDocument(target, [window, text] {
    if (window) AppDialogs().Information(window, text);
  });
}

bool ReportWrite(QWidget* parent, const LanguageTable& table, const QString& path, const QString& why) {
  if (why.isEmpty()) return true;
  AppDialogs().Information(parent, TextOf(table, "msg_writefailed").arg(path, why));
  return false;
}
