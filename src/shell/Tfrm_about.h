#pragma once
// The about box, made anew for each showing so that it shows the texts of
// the table active then, and the help pages it and the Help menu open.

#include <QDialog>

class LanguageTable;
class QLabel;
class QPushButton;

// The help page of a language ("ja", "en", "zh") beside the program or
// installed; empty when there is none.
QString HelpPagePath(const QString& languageCode);

// What the maker's address of the language table opens: the project has no
// home page yet, so the tables' stand-in address means the help page of the
// active language (empty when that is missing); any other address as is.
QString MakerAddressTarget(const QString& address, const QString& languageCode);
// Opens the target of TABLE's maker's address; nothing when it is empty.
void OpenMakerAddress(QWidget* parent, const LanguageTable& table, const QString& languageCode);

class Tfrm_about : public QDialog {
  Q_OBJECT

 public:
  Tfrm_about(const LanguageTable& table, const QString& languageCode, QWidget* parent = nullptr);

  // A click on the address: looked up again, then opened.
  void lbl2Click();

  QLabel* lbl1;
  QLabel* lbl2;
  QPushButton* Button1;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const LanguageTable& table_;
  QString languageCode_;
};
