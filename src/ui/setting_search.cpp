#include "ui/setting_search.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>

#include "config/sections/color_sound_section.h"
#include "config/sections/dir_section.h"
#include "config/sections/screen_elements.h"
#include "config/settings/setting_catalogue.h"
#include "config/store/config.h"
#include "ui/layout_builders.h"
#include "ui/pages/colors_page.h"
#include "ui/pages/directory_page.h"
#include "ui/pages/settings_page.h"
#include "ui/pages/sound_page.h"
#include "ui/translated.h"

namespace trv {
namespace {

// The tabs, in the window's order.
enum Page { kTnc, kStation, kDisplay, kDirectory, kExtra, kModuls, kSound, kColors, kLanguages, kMailbox1, kMailbox2 };

// A field that edits one setting of its own, with the label the page gives it (in the page's
// translation context) and the setting by the name `tarvoini show` prints.
struct LabelledField {
  Page page;
  const char* field;
  const char* context;
  const char* label;
  const char* name;
};

// clang-format off
constexpr LabelledField kFields[] = {
    {kStation, "Station_Edit_Call", "trv::StationPage", QT_TRANSLATE_NOOP("trv::StationPage", "&Call"), "StationSettings.Call"},
    {kStation, "Station_Edit_Locator", "trv::StationPage", QT_TRANSLATE_NOOP("trv::StationPage", "&Locator"), "StationSettings.Qth"},
    {kDisplay, "Disp_Edit_MaxRXLines", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "Max&RXLines"), "DisplaySettings.MaxRXLines"},
    {kDisplay, "Disp_Edit_MaxTXLines", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "MaxT&XLines"), "DisplaySettings.MaxTXLines"},
    {kDisplay, "Disp_Cb_Echo", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "&echo own text in TX window"), "DisplaySettings.EchoOwnText"},
    {kDisplay, "Disp_CB_SaveRX", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "&Save RX screen at end of program"), "DisplaySettings.SaveRX"},
    {kDisplay, "Disp_CB_SaveTX", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "Sa&ve TX screen at end of program"), "DisplaySettings.SaveTX"},
    {kDisplay, "Disp_CB_FlickerRX", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "&Use flicker free RX window"), "DisplaySettings.FlickerFreeRX"},
    {kDisplay, "Disp_CB_FlickerTX", "trv::DisplayPage", QT_TRANSLATE_NOOP("trv::DisplayPage", "Use flicker free TX &window"), "DisplaySettings.FlickerFreeTX"},
    {kExtra, "Extra_Edit_Prompt", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&Prompt"), "ExtraSettings.Prompt"},
    {kExtra, "Extra_Combo_PollDelay", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "Poll &delay"), "ExtraSettings.PollDelay"},
    {kExtra, "Extra_Edit_NodeCall", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&Node call"), "ExtraSettings.NodeCall"},
    {kExtra, "Extra_Edit_Fortune", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&Fortune"), "ExtraSettings.FortuneFile"},
    {kExtra, "Extra_Combo_UTC", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&UTC"), "ExtraSettings.UtcOffset"},
    {kExtra, "Extra_CB_DelayedDisplay", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "De&layed display update"), "ExtraSettings.DelayedDisplay"},
    {kExtra, "Extra_CB_ReduceResync", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&Reduce scroll resyncs"), "ExtraSettings.ReduceResync"},
    {kExtra, "Extra_CB_MultiToolbar", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&Multi line toolbar"), "ExtraSettings.MultiLineToolbar"},
    {kExtra, "Extra_CB_SuppressBin", "trv::ExtraPage", QT_TRANSLATE_NOOP("trv::ExtraPage", "&suppress BIN in monitor"), "ExtraSettings.SuppressBin"},
    {kModuls, "Modul_CB_DigiInfo", "trv::ModulsPage", QT_TRANSLATE_NOOP("trv::ModulsPage", "Load D&igiinfo"), "ExtraSettings.LoadDigiInfo"},
    {kModuls, "Modul_CB_Spy", "trv::ModulsPage", QT_TRANSLATE_NOOP("trv::ModulsPage", "Load &Spy"), "ExtraSettings.LoadSpy"},
    {kModuls, "Modul_CB_MailBox", "trv::ModulsPage", QT_TRANSLATE_NOOP("trv::ModulsPage", "Load &Mailbox"), "ExtraSettings.LoadMailbox"},
    {kModuls, "Modul_CB_DXClusterSpy", "trv::ModulsPage", QT_TRANSLATE_NOOP("trv::ModulsPage", "Load &DX cluster spy"), "ExtraSettings.LoadDxClusterSpy"},
    {kModuls, "Modul_CB_Broadcast", "trv::ModulsPage", QT_TRANSLATE_NOOP("trv::ModulsPage", "Load &Broadcast RX"), "ExtraSettings.LoadBroadcast"},
    {kSound, "Extra_CB_UseMCI", "trv::SoundPage", QT_TRANSLATE_NOOP("trv::SoundPage", "Use MC&I sound"), "SoundSettings.UseMciSound"},
    {kSound, "Extra_CB_DisableSound", "trv::SoundPage", QT_TRANSLATE_NOOP("trv::SoundPage", "&disable Sound"), "SoundSettings.DisableSound"},
    {kSound, "Extra_CB_LastConnectSound", "trv::SoundPage", QT_TRANSLATE_NOOP("trv::SoundPage", "Only &last connect sound"), "SoundSettings.OnlyLastConnectSound"},
    {kLanguages, "Lang_Combo_Visual", "trv::LanguagePage", QT_TRANSLATE_NOOP("trv::LanguagePage", "&Visual parts"), "LanguageSettings.Visual"},
    {kLanguages, "Lang_Combo_Output", "trv::LanguagePage", QT_TRANSLATE_NOOP("trv::LanguagePage", "Default program o&utput"), "LanguageSettings.Output"},
    {kMailbox1, "Mail_Edit_Call", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "&Call"), "MailboxSettings.BoxCall"},
    {kMailbox1, "Mail_Edit_HPath", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "&HPath"), "MailboxSettings.HPath"},
    {kMailbox1, "Mail_Edit_FHeader", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "FH&eader"), "MailboxSettings.FHeaderText"},
    {kMailbox1, "Mail_Edit_DefLT", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "Default &lifetime"), "MailboxSettings.DefaultLifetime"},
    {kMailbox1, "Mail_Edit_TimeOut", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "T&imeout"), "MailboxSettings.Timeout"},
    {kMailbox1, "Mail_Edit_SysMailTo", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "&Sysmail to"), "MailboxSettings.SysMailTo"},
    {kMailbox1, "Mail_Edit_DefBoard", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "Default &Board"), "MailboxSettings.DefaultBoard"},
    {kMailbox1, "Mail_Edit_MaxBidCount", "trv::Mailbox1Page", QT_TRANSLATE_NOOP("trv::Mailbox1Page", "&Max. BID count"), "MailboxSettings.MaxBidCount"},
    {kMailbox2, "Mail2_Cb_InsertFHeader", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Insert F&Header into every mail"), "MailboxSettings.InsertFHeader"},
    {kMailbox2, "Mail2_Cb_IncludeBID", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "I&nclude BID in FHeader"), "MailboxSettings.IncludeBid"},
    {kMailbox2, "Mail2_Cb_LTReport", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Generate li&fetime report mail"), "MailboxSettings.LifetimeReport"},
    {kMailbox2, "Mail2_Cb_YReport", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Generate &routing error mail"), "MailboxSettings.RoutingErrorReport"},
    {kMailbox2, "Mail2_Cb_MemGarbage", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Use &memory for garbage"), "MailboxSettings.MemoryGarbage"},
    {kMailbox2, "Mail2_Cb_QZDos", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Enable &QZ-DOS"), "MailboxSettings.QzDos"},
    {kMailbox2, "Mail2_Cb_PWNecessary", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "&pw for box necessary"), "MailboxSettings.PasswordRequired"},
    {kMailbox2, "Mail2_Cb_ParseAllMails", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "pars&e all mails"), "MailboxSettings.ParseAllMails"},
    {kMailbox2, "Mail2_CB_BlinkIcon", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "blink of mailbox i&con if new mails"), "MailboxSettings.BlinkIcon"},
    {kMailbox2, "Mail2_CB_BlinkLED", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "blink of scroll lock &LED if new mails"), "MailboxSettings.BlinkLed"},
    {kMailbox2, "Mail2_Cb_GarbageHour", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "&Garbage at:"), "MailboxSettings.GarbageAt"},
    {kMailbox2, "Mail2_Cb_Restart", "trv::Mailbox2Page", QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Restart &windows after garbage"), "MailboxSettings.RestartAfterGarbage"},
};

// The fields of the TNC shown, by the names of TncTable[n] they edit.
constexpr LabelledField kTncPageFields[] = {
    {kTnc, "TNC_Combo_Driver", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&Driver"), "Driver"},
    {kTnc, "TNC_Combo_Com", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "COM &port"), "Port"},
    {kTnc, "TNC_Combo_Baud", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&Baud rate"), "Baud"},
    {kTnc, "TNC_Combo_PacLen", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "Packet &length"), "PacLen"},
    {kTnc, "TNC_Combo_Channels", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&Channels"), "Channels"},
    {kTnc, "TNC_COMBO_INI", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "TNC &Initialisation"), "IniBlock"},
    {kTnc, "TNC_Edit_QRG", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&QRG"), "Qrg"},
    {kTnc, "TNC_Rb_Wa8ded", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&Hostmode type"), "HostMode"},
    {kTnc, "TNC_CB_AutoParam", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "A&utoParam"), "AutoParam"},
    {kTnc, "TNC_CB_UseXHost", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "UseXHo&st"), "UseXHost"},
    {kTnc, "TNC_CB_FastPoll", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "&FastPoll"), "FastPoll"},
    {kTnc, "TNC_COMBO_DEI", "trv::TncPage", QT_TRANSLATE_NOOP("trv::TncPage", "TNC D&einitialisation"), "DeiBlock"},
};
// clang-format on

// The closed times are a list of their own: the list is the field.
const char* const kClosedTimeLabel = QT_TRANSLATE_NOOP("trv::Mailbox2Page", "Clo&sed time");

// Without mnemonics and letter case; brackets, dots and other marks separate words, so that
// "[MAILBOX] TIMEOUT", "mailbox.timeout" and "MAILBOX TIMEOUT" read alike.
QString Words(QString text) {
  text.remove('&');
  text = text.toCaseFolded();
  for (QChar& c : text)
    if (!c.isLetterOrNumber()) c = ' ';
  return text.simplified();
}

// A text in the window's language and in English.
QStringList BothLanguages(const char* context, const char* source) {
  QStringList both{Words(QCoreApplication::translate(context, source))};
  if (const QString english = Words(source); english != both.front()) both << english;
  return both;
}

QString Key(const CatalogueEntry& e) {
  return QStringLiteral("[%1] %2").arg(QString::fromLatin1(e.section.data(), static_cast<qsizetype>(e.section.size())),
                                       QString::fromLatin1(e.key.data(), static_cast<qsizetype>(e.key.size())));
}

// A label as a match shows it: "Garbage at" for "&Garbage at:".
QString Shown(QString label) {
  label.remove('&');
  if (label.endsWith(':')) label.chop(1);
  return label;
}

// The frame drawn round a field that a search went to, for a moment.
class FieldHighlight : public QWidget {
 public:
  FieldHighlight(QWidget* field, QWidget* window) : QWidget(window) {
    setObjectName("Search_Highlight");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(
        QRect(field->mapTo(window, QPoint(0, 0)), field->size()).adjusted(-kMargin, -kMargin, kMargin, kMargin));
    show();
    raise();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Highlight), kMargin - 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(kMargin / 2.0, kMargin / 2.0, -kMargin / 2.0, -kMargin / 2.0), 3,
                            3);
  }

 private:
  static constexpr int kMargin = 4;
};

constexpr int kHighlightMs = 1500;
constexpr int kListRows = 10;
constexpr int kFieldChars = 28;

}  // namespace

SettingIndex::SettingIndex(const Config& config, const QStringList& pages)
    : catalogue_(MakeSettingCatalogue(config)), pages_(pages) {
  const auto labelled = [this](const LabelledField& f) { AddLabelled(f.page, f.field, f.context, f.label, f.name); };
  for (int n = 0; n < config.TncCount; ++n)
    for (const LabelledField& f : kTncPageFields) {
      const QString line = QString("TNC %1").arg(n);
      Add(kTnc, f.field, "ListBox1", n, BothLanguages(f.context, f.label) << Words(line),
          QString("%1 (%2)").arg(Shown(QCoreApplication::translate(f.context, f.label)), line),
          {"TncTable[" + std::to_string(n) + "]." + f.name});
    }
  for (const LabelledField& f : kFields)
    if (f.page < kDirectory) labelled(f);
  const auto& items = DirectoryItems();
  for (int row = 0; row < static_cast<int>(items.size()); ++row)
    Add(kDirectory, "Dir_Edit_Path", "Dir_Lb_Dir", row, BothLanguages("trv", items[row].text),
        Translated(items[row].text), {"Directories." + std::string(DirKeyOf(items[row].key).name)});
  for (const LabelledField& f : kFields)
    if (f.page > kDirectory && f.page < kSound) labelled(f);
  for (int event = 0; event < kWaveCount; ++event)
    Add(kSound, "Sound_Edit_WaveName", "Wave_Lb", event, BothLanguages("trv", SoundEventName(event)),
        Translated(SoundEventName(event)), {"SoundSettings.WaveFiles[" + std::to_string(event) + "]"});
  for (const LabelledField& f : kFields)
    if (f.page == kSound) labelled(f);
  for (const ScreenElementColors& colors : kScreenElements) {
    const int row = static_cast<int>(colors.element);
    const std::string item = "ColorTable[" + std::to_string(row) + "].";
    Add(kColors, "ColorGrid1", "Color_Lb", row, BothLanguages("trv", ScreenElementName(colors.element)),
        Translated(ScreenElementName(colors.element)), {item + "Fg", item + "Bg"});
  }
  for (const LabelledField& f : kFields)
    if (f.page > kColors) labelled(f);
  Entry closed;
  closed.match = {Shown(QCoreApplication::translate("trv::Mailbox2Page", kClosedTimeLabel)), pages_.value(kMailbox2),
                  "[MAILBOX] CLOSEDTIME", SettingPlace{kMailbox2, "Mail2_List_ClosedTime", {}, -1}};
  closed.labels = BothLanguages("trv::Mailbox2Page", kClosedTimeLabel);
  closed.keys = QStringList{"mailbox closedtime", "closedtime"};
  closed.texts = closed.labels.join(' ') + " " + closed.keys.join(' ') + " " + Words(closed.match.page);
  entries_.push_back(std::move(closed));
}

void SettingIndex::AddLabelled(int page, const char* field, const char* context, const char* label, const char* name) {
  Add(page, field, {}, -1, BothLanguages(context, label), Shown(QCoreApplication::translate(context, label)), {name});
}

void SettingIndex::Add(int page, const char* field, const QString& list, int row, const QStringList& labels,
                       const QString& shown, const std::vector<std::string>& names) {
  Entry entry;
  entry.match = {shown, pages_.value(page), {}, SettingPlace{page, field, list, row}};
  entry.labels = labels;
  QStringList keys, texts = labels;
  for (const std::string& name : names) {
    const CatalogueEntry* setting = FindSetting(catalogue_, name);
    if (setting == nullptr || setting->section.empty()) continue;  // a colour an element borrows
    keys << Key(*setting);
    entry.keys << Words(Key(*setting)) << Words(QString::fromLatin1(setting->key.c_str()));
    if (!setting->about.empty() && texts.size() == labels.size()) {
      const std::string about(setting->about);
      texts << Words(Translated(about.c_str())) << Words(QString::fromLatin1(about.c_str()));
    }
  }
  entry.match.key = keys.join(", ");
  entry.texts = (texts + entry.keys).join(' ') + " " + Words(entry.match.page);
  entries_.push_back(std::move(entry));
}

std::vector<SettingMatch> SettingIndex::Find(const QString& text) const {
  const QString words = Words(text);
  if (words.isEmpty()) return {};
  const QStringList each = words.split(' ');
  const auto rank = [&](const Entry& e) {
    const auto any = [](const QStringList& list, auto test) { return std::any_of(list.begin(), list.end(), test); };
    if (any(e.keys, [&](const QString& k) { return k == words; })) return 0;
    if (any(e.labels, [&](const QString& l) { return l.startsWith(words); })) return 1;
    if (any(e.labels, [&](const QString& l) { return l.contains(words); })) return 2;
    if (any(e.keys, [&](const QString& k) { return k.contains(words); })) return 3;
    if (std::all_of(each.begin(), each.end(), [&](const QString& w) { return e.texts.contains(w); })) return 4;
    return 5;
  };
  std::vector<std::pair<int, const Entry*>> ranked;
  for (const Entry& e : entries_)
    if (const int r = rank(e); r < 5) ranked.emplace_back(r, &e);
  std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<SettingMatch> found;
  for (const auto& [r, e] : ranked) found.push_back(e->match);
  return found;
}

std::vector<SettingMatch> SettingIndex::All() const {
  std::vector<SettingMatch> all;
  for (const Entry& e : entries_) all.push_back(e.match);
  return all;
}

SettingSearch::SettingSearch(const Config& config, QTabWidget& tabs, QWidget* window)
    : QWidget(window),
      config_(config),
      tabs_(tabs),
      field_(Named(new QLineEdit, "Search_Edit")),
      list_(Named(new QListWidget(window), "Search_List")) {
  setObjectName("Search_Panel");
  field_->setPlaceholderText(tr("Find a setting (Ctrl+F)"));
  field_->setAccessibleName(tr("Find a setting"));
  field_->setToolTip(
      tr("Finds a setting by its label, by what it does or by its key in TARVO.INI, such as [MAILBOX] TIMEOUT. "
         "Return goes to the first match, Down chooses another."));
  field_->setClearButtonEnabled(true);
  const QFontMetrics metrics = field_->fontMetrics();  // the placeholder shows whole, with the clear button
  field_->setFixedWidth(std::max(metrics.averageCharWidth() * kFieldChars,
                                 metrics.horizontalAdvance(field_->placeholderText()) + 3 * metrics.height()));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  layout->addWidget(field_);

  list_->setAccessibleName(tr("Settings found"));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->hide();

  auto* find = new QShortcut(QKeySequence::Find, window);
  connect(find, &QShortcut::activated, this, [this] {
    field_->setFocus(Qt::ShortcutFocusReason);
    field_->selectAll();
    ShowMatches();
  });
  connect(field_, &QLineEdit::textChanged, this, [this] { ShowMatches(); });
  connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    list_->setCurrentItem(item);
    TakeCurrent();
  });
  // The list belongs to the window and may outlive the field: the connection lives with the list.
  connect(qApp, &QApplication::focusChanged, list_, [list = list_, field = field_](QWidget*, QWidget* now) {
    if (now != field && now != list) list->hide();
  });
  field_->installEventFilter(this);
  list_->installEventFilter(this);
}

void SettingSearch::ShowMatches() {
  if (field_->text().trimmed().isEmpty()) {
    Hide();
    return;
  }
  QStringList pages;
  for (int i = 0; i < tabs_.count(); ++i) pages << tabs_.tabText(i);
  matches_ = SettingIndex(config_, pages).Find(field_->text());
  list_->clear();
  for (const SettingMatch& match : matches_) {
    auto* item = new QListWidgetItem(QString("%1 \u2013 %2").arg(match.label, match.page), list_);
    item->setToolTip(match.key);
    item->setData(Qt::AccessibleDescriptionRole, match.key);
  }
  if (matches_.empty()) {
    auto* none = new QListWidgetItem(tr("No setting matches"), list_);
    none->setFlags(Qt::NoItemFlags);
  } else {
    list_->setCurrentRow(0);  // what Return takes
  }
  PlaceList();
  list_->show();
  list_->raise();
}

// Under the field, its right edge at the field's, inside the window.
void SettingSearch::PlaceList() {
  QWidget* window = list_->parentWidget();
  const QPoint below = field_->mapTo(window, QPoint(field_->width(), field_->height()));
  const int width = std::min(std::max(field_->width(), list_->sizeHintForColumn(0) + 2 * list_->frameWidth() + 8),
                             window->width() - 8);
  const int rows = std::min(list_->count(), kListRows);
  const int height = rows * list_->sizeHintForRow(0) + 2 * list_->frameWidth();
  list_->setGeometry(std::max(4, below.x() - width), below.y() + 1, width, height);
}

void SettingSearch::Hide() { list_->hide(); }

void SettingSearch::TakeCurrent() {
  const int row = list_->currentRow();
  if (!list_->isVisible() || row < 0 || row >= static_cast<int>(matches_.size())) return;
  const SettingPlace place = matches_[row].place;
  Hide();
  Go(place);
}

void SettingSearch::Go(const SettingPlace& place) {
  auto* slot = qobject_cast<PageSlot*>(tabs_.widget(place.page));
  if (slot == nullptr) return;
  SettingsPage& page = slot->EnsureBuilt();
  tabs_.setCurrentIndex(place.page);
  if (auto* list = page.findChild<QListWidget*>(place.list); list != nullptr && place.row < list->count())
    list->setCurrentRow(place.row);
  QWidget* field = page.findChild<QWidget*>(place.field);
  if (field == nullptr) return;
  for (QWidget* p = field->parentWidget(); p != nullptr; p = p->parentWidget())
    if (auto* area = qobject_cast<QScrollArea*>(p)) area->ensureWidgetVisible(field);
  // As Tab gives it: a text is selected, so that typing replaces it.
  if (field->isEnabled()) field->setFocus(Qt::TabFocusReason);
  Highlight(field);
}

void SettingSearch::Highlight(QWidget* field) {
  for (auto* old : window()->findChildren<QWidget*>("Search_Highlight", Qt::FindDirectChildrenOnly)) delete old;
  auto* frame = new FieldHighlight(field, window());
  QTimer::singleShot(kHighlightMs, frame, [frame] { frame->deleteLater(); });
}

bool SettingSearch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  return watched == field_ ? FieldKey(key) : watched == list_ ? ListKey(key) : false;
}

// Return takes the selected match; Down goes into the list at the next one; Esc closes the
// list, then empties the field, and only then reaches the window.
bool SettingSearch::FieldKey(QKeyEvent* key) {
  const bool shown = list_->isVisible();
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (field_->text().trimmed().isEmpty()) return false;  // OK, as in every field
      if (!shown) ShowMatches();
      TakeCurrent();
      return true;
    case Qt::Key_Down:
    case Qt::Key_PageDown:
      if (!shown || matches_.empty()) return false;
      list_->setFocus(Qt::OtherFocusReason);
      list_->setCurrentRow(std::min(list_->currentRow() + 1, list_->count() - 1));
      return true;
    case Qt::Key_Escape:
      if (shown) {
        Hide();
        return true;
      }
      if (field_->text().isEmpty()) return false;
      field_->clear();
      return true;
    default: return false;
  }
}

// The list keeps its own moves; what is typed goes on into the field.
bool SettingSearch::ListKey(QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: TakeCurrent(); return true;
    case Qt::Key_Escape:
      field_->setFocus(Qt::OtherFocusReason);
      Hide();
      return true;
    case Qt::Key_Up:
      if (list_->currentRow() > 0) return false;
      field_->setFocus(Qt::OtherFocusReason);
      return true;
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return false;
    default:
      if (key->text().isEmpty() && key->key() != Qt::Key_Backspace && key->key() != Qt::Key_Left &&
          key->key() != Qt::Key_Right)
        return false;
      field_->setFocus(Qt::OtherFocusReason);
      QCoreApplication::sendEvent(field_, key);
      return true;
  }
}

}  // namespace trv
