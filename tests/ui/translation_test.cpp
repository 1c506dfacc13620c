// The German window: every text a user sees is translated, on every page and in every dialog,
// and the translation file has no unfinished or untranslated entry.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTranslator>
#include <QTreeWidget>
#include <QXmlStreamReader>
#include <map>
#include <set>

#include "every_view.h"
#include "page_tabs.h"
#include "ui/translations.h"
#include "ui_test_util.h"

namespace trv::test {
namespace {

// Texts that German writes as English does.
const std::set<QString> kSameInGerman = {
    "OK",        "TNC",       "QRG",     "DRSI",       "WA8DED",    "TNC3S",  "AutoParam", "UseXHost",
    "FastPoll",  "UTC",       "TNCs",    "Station",    "Locator",   "Prompt", "HPath",     "FHeader",
    "Mailbox 1", "Mailbox 2", "Connect", "Disconnect", "Reconnect", "h",      "min",       "Details...",
    "%n ms",     "%n min",    "Sound",   "Pause",      "magenta",
};
// Controls that show data rather than the program's texts.
const std::set<QString> kDataControls = {"Lbl_ConfigFile", "Mail_Lbl_FHeaderEnd", "ListBox1", "Sound_Lbl_Path",
                                         "SerialDeviceList"};

// The texts a user reads in `root`'s shown controls, keyed by where they stand.
std::map<QString, QString> ShownTexts(QWidget* root) {
  std::map<QString, QString> texts;
  const auto add = [&](QWidget* w, const QString& what, const QString& text) {
    if (!w->isVisible() || kDataControls.count(w->objectName()) != 0) return;
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) return;
    QString key = what;
    for (QWidget* p = w; p != nullptr && p != root; p = p->parentWidget()) key.prepend(p->objectName() + "/");
    texts[key] = text;
  };
  add(root, "title", root->windowTitle());
  for (auto* w : root->findChildren<QLabel*>()) add(w, "label", w->text());
  for (auto* w : root->findChildren<QAbstractButton*>()) add(w, "button", w->text());
  for (auto* w : root->findChildren<QAbstractButton*>()) add(w, "tip", w->toolTip());
  for (auto* w : root->findChildren<QGroupBox*>()) add(w, "group", w->title());
  for (auto* w : root->findChildren<QListWidget*>())
    for (int i = 0; i < w->count(); ++i) add(w, QString("item%1").arg(i), w->item(i)->text());
  for (auto* w : root->findChildren<QTreeWidget*>())
    for (int i = 0; i < w->columnCount(); ++i) add(w, QString("head%1").arg(i), w->headerItem()->text(i));
  for (auto* w : root->findChildren<QTabWidget*>())
    for (int i = 0; i < w->count(); ++i) add(w, QString("tab%1").arg(i), w->tabText(i));
  for (const char* name : {"TNC_Combo_PacLen", "TNC_Combo_Channels"})
    if (auto* box = root->findChild<QComboBox*>(name)) add(box, "entry", box->currentText());
  return texts;
}

const char* const kIni =
    "[DEVICE]\r\nTNC0=3,248,9600,8,1,1,144.800,DEFINI,DEFDEI,0,0,TNC2.TNC\r\nTNC1=END OF BLOCK\r\n";

// The window and its dialogs, each page shown as the user opens it.
std::map<QString, QString> WindowTexts() {
  Window w(kIni);
  std::map<QString, QString> texts;
  VisitEveryView(w, [&](QWidget* view, const QString&) { texts.merge(ShownTexts(view)); });
  return texts;
}

TEST(GermanWindow, ShowsNoEnglishText) {
  const std::map<QString, QString> english = WindowTexts();
  QTranslator german;
  ASSERT_TRUE(german.load(":/i18n/trvcfg_de.qm"));
  QCoreApplication::installTranslator(&german);
  const std::map<QString, QString> translated = WindowTexts();
  QCoreApplication::removeTranslator(&german);

  EXPECT_EQ(translated.size(), english.size());
  EXPECT_GT(english.size(), 120u);  // the walk saw the pages
  for (const auto& [where, text] : english) {
    const auto found = translated.find(where);
    if (found == translated.end() || kSameInGerman.count(QString(text).remove('&')) != 0) continue;
    EXPECT_NE(found->second.toStdString(), text.toStdString()) << where.toStdString();
  }
}

// Every entry of the translation file, the message texts included, is finished and German.
TEST(GermanWindow, TranslationFileIsComplete) {
  QFile file(TEST_DATA_DIR "/../../translations/trvcfg_de.ts");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&file);
  QString source;
  int entries = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"source") source = xml.readElementText();
    if (xml.name() != u"translation") continue;
    ++entries;
    const bool finished = xml.attributes().value("type").isEmpty();
    const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    EXPECT_TRUE(finished) << source.toStdString();
    EXPECT_FALSE(text.isEmpty()) << source.toStdString();
    if (kSameInGerman.count(QString(source).remove('&')) == 0) {
      EXPECT_NE(text.toStdString(), source.toStdString());
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_GT(entries, 200);
}

void RemoveTranslations(QCoreApplication& app) {
  for (auto* translator : app.findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

// The program picks the translation from the locale; English and a language without a
// translation get English with its plural forms.
TEST(GermanWindow, LocaleChoosesTheTranslation) {
  QCoreApplication& app = *QCoreApplication::instance();
  RemoveTranslations(app);
  const auto hours = [](int n) { return QCoreApplication::translate("Units", "%n hour(s)", nullptr, n); };
  EXPECT_EQ(hours(1), "1 hour(s)");  // the source text
  struct Case {
    QLocale locale;
    bool own;
    const char* abort;
    const char* oneHour;
    const char* twoHours;
  };
  for (const Case& c :
       {Case{QLocale(QLocale::English, QLocale::UnitedStates), true, "&Abort", "1 hour", "2 hours"},
        Case{QLocale(QLocale::French, QLocale::France), false, "&Abort", "1 hour", "2 hours"},
        Case{QLocale(QLocale::German, QLocale::Germany), true, "&Abbrechen", "1 Stunde", "2 Stunden"}}) {
    SCOPED_TRACE(c.locale.name().toStdString());
    EXPECT_EQ(InstallTranslations(app, c.locale), c.own);
    EXPECT_EQ(QCoreApplication::translate("trv", "&Abort"), c.abort);
    EXPECT_EQ(hours(1), c.oneHour);
    EXPECT_EQ(hours(2), c.twoHours);
    RemoveTranslations(app);
  }
  EXPECT_EQ(QCoreApplication::translate("trv", "&Abort"), "&Abort");
  InstallTranslations(app, QLocale(QLocale::English));  // as the test program has it
}

}  // namespace
}  // namespace trv::test
