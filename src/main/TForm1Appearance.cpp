// Appearance settings and the language choice.

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMenu>
#include <QTranslator>

#include "controls/TPICSD33.h"
#include "main/TForm1.h"
#include "shell/ApplyLanguage.h"
#include "shell/AtomicFile.h"
#include "shell/DeveloperPage.h"
#include "shell/BuiltinJapanese.h"
#include "shell/Dialogs.h"
#include "shell/LanguageEvents.h"
#include "shell/Platform.h"
#include "shell/WindowFont.h"
#include "storage/TfrmAppearance.h"

namespace {

struct Language {
  const char* code;
  const char* name;      // in its own language, so anyone finds theirs
  const char* file;      // beside the program; none for the built-in table
  const char* qtLocale;  // Qt's own translations of its standard buttons
};
constexpr Language kLanguages[3] = {
    {"ja", "日本語", nullptr, "ja"},
    {"en", "English", "lang1.txt", "en"},
    {"zh", "中文", "lang2.txt", "zh_CN"},
};

}  // namespace

void TForm1::CreateLanguageMenu(QMenu* tools) {
  tools->addSeparator();
  mnLanguage = tools->addMenu(QStringLiteral("Language"));
  mnLanguage->setObjectName("mnLanguage");
  auto* group = new QActionGroup(this);
  for (size_t i = 0; i < std::size(kLanguages); ++i) {
    const Language& l = kLanguages[i];
    QAction* a = mnLanguage->addAction(QString::fromUtf8(l.name));
    // Named apart from the table's keys: the names stay in their own language.
    a->setObjectName(QStringLiteral("qt_language_") + l.code);
    a->setCheckable(true);
    a->setChecked(i == 0);
    group->addAction(a);
    connect(a, &QAction::triggered, this, [this, code = QString::fromLatin1(l.code)] {
      if (!SetLanguage(code, true)) Refresh();
    });
    mnLanguages[i] = a;
  }
}

void TForm1::InstallQtTranslations(const QString& locale) {
  // Qt's own texts (Yes, No, OK, Cancel) in the language of the table.
  if (!qtTranslator_) qtTranslator_ = new QTranslator(this);
  QApplication::removeTranslator(qtTranslator_);
  if (qtTranslator_->load(QStringLiteral("qtbase_") + locale, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTranslator_);
}

bool TForm1::SetLanguage(const QString& code, bool store) {
  const Language* chosen = nullptr;
  for (const Language& l : kLanguages)
    if (code == QLatin1String(l.code)) chosen = &l;
  if (!chosen) return false;
  LanguageTable table = BuiltinJapanese();
  if (chosen->file) {
    const QString path = AppPlatform().FindBesideProgram(QString::fromLatin1(chosen->file));
    std::string bytes;
    const char* refusal = nullptr;
    if (path.isEmpty() || !ReadWholeFile(path, bytes)) {
      refusal = "msg_language_missing";
    } else {
      static const char* const keys[] = {nullptr, "msg_language_toolarge", "msg_language_nottext",
                                          "msg_language_nokeys"};
      refusal = keys[static_cast<int>(CheckLanguageFile(bytes))];
    }
    if (refusal) {
      // Said in the language still active, which stays.
      AppDialogs().Information(this, TextOf(lst1, refusal).arg(QString::fromLatin1(chosen->file)));
      for (size_t i = 0; i < std::size(kLanguages); ++i)
        mnLanguages[i]->setChecked(languageCode_ == QLatin1String(kLanguages[i].code));
      return false;
    }
    // A key the file lacks speaks the built-in text rather than nothing.
    table = WithFallback(LanguageTable::FromFileBytes(bytes), BuiltinJapanese());
  }
  lst1 = std::move(table);
  languageCode_ = code;
  for (size_t i = 0; i < std::size(kLanguages); ++i) mnLanguages[i]->setChecked(&kLanguages[i] == chosen);

  InstallQtTranslations(QString::fromLatin1(chosen->qtLocale));
  SetWindowScript(ScriptOfLanguage(code));

  ApplyLanguage(this, lst1);
  mnLanguage->setTitle(TextOf(lst1, "mnlanguage.caption"));
  SetConfirmTitle(TextOf(lst1, "msg_title_confirm"));
  emit AppLanguageEvents().changed();
  Refresh();

  if (store) {
    settings.PutSetting("Language", code.toStdString());
    ReportWrite(this, lst1, QString::fromStdString(files.SettingsPath()),
                QString::fromStdString(files.WriteSettings(settings)));
  }
  return true;
}

void TForm1::ApplyAppearance() {
  AppearanceSettings values;
  ReadAppearance(settings, values);  // left at its defaults when the settings are bad
  game.SetLook(ResolveColours(values, game.look()));
  sd991->setLook(game.look());
  Refresh();
}

void TForm1::mnAppearanceClick() {
  CreateOtherWindows();
  const AutoPause pause(this);
  AppDialogs().ShowModal(frmAppearance);
}

void TForm1::SaveSettings() {
  // Nothing to keep when the file was never read.
  if (!settingsLoaded_) return;
  settings.PutSetting("Auto_check", mnAutoCheckNewVersion->isChecked() ? "1" : "0");
  // The language in use, chosen from the menu or from the desktop at a first start.
  settings.PutSetting("Language", languageCode_.toStdString());
  ReportWrite(this, lst1, QString::fromStdString(files.SettingsPath()),
              QString::fromStdString(files.WriteSettings(settings)));
}
