#include "ui/setting_tooltip.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QStringList>
#include <QWidget>

#include "config/setting_catalogue.h"
#include "ui/text_convert.h"
#include "ui/translated.h"

namespace trv {
namespace {

// The units settings are shown in.
[[maybe_unused]] constexpr const char* kUnits[] = {QT_TRANSLATE_NOOP("trv", "min")};

class SettingFacts {
  Q_DECLARE_TR_FUNCTIONS(SettingFacts)

 public:
  explicit SettingFacts(const CatalogueEntry& e) : e_(e) {}

  // Range or width, and the default.
  QString Facts() const {
    using Kind = CatalogueEntry::Kind;
    if (e_.kind == Kind::Flag) return e_.defaultValue == "yes" ? tr("On by default.") : tr("Off by default.");
    if (e_.kind == Kind::Integer && !e_.allowed.empty()) return WithDefault(tr("One of %1.").arg(Allowed()));
    if (e_.kind == Kind::Integer && e_.ranged)
      return WithDefault(tr("From %1 to %2.").arg(Shown(e_.min), Shown(e_.max)));
    if (e_.kind != Kind::Text) return WithDefault({});
    const QString width = e_.width > 0 ? tr("Up to %n characters.", nullptr, static_cast<int>(e_.width)) : QString();
    return e_.defaultValue.empty() ? Joined(width, tr("Empty by default.")) : WithDefault(width);
  }

  QString About() const { return e_.about.empty() ? QString() : Translated(std::string(e_.about).c_str()); }

  QString Key() const {
    return QStringLiteral("[%1] %2").arg(
        QString::fromLatin1(e_.section.data(), static_cast<qsizetype>(e_.section.size())),
        QString::fromLatin1(e_.key.data(), static_cast<qsizetype>(e_.key.size())));
  }

 private:
  static QString Joined(const QString& a, const QString& b) { return a.isEmpty() ? b : b.isEmpty() ? a : a + " " + b; }

  QString WithDefault(const QString& facts) const {
    if (e_.defaultValue.empty()) return facts;
    const QString value = e_.kind == CatalogueEntry::Kind::Integer ? Shown(std::stoll(e_.defaultValue))
                          : e_.bracketed ? FromWindows(e_.defaultValue).mid(1).chopped(1)  // the brackets are fixed
                                         : FromWindows(e_.defaultValue);
    return Joined(facts, tr("Default %1.").arg(value));
  }

  QString Shown(std::int64_t value) const {
    const QString number = QString::number(value / e_.shownFactor);
    return e_.unitName.empty() ? number : number + QChar::Nbsp + Translated(std::string(e_.unitName).c_str());
  }

  // Runs of four or more values at one step are shown by their ends ("40 to 245 in steps of 5").
  QString Allowed() const {
    const std::vector<std::int64_t>& v = e_.allowed;
    QStringList values;
    for (std::size_t i = 0; i < v.size();) {
      std::size_t end = i + 1;  // one past the run that starts at i
      const std::int64_t step = end < v.size() ? v[end] - v[i] : 0;
      while (end < v.size() && v[end] - v[end - 1] == step) ++end;
      if (end - i < 4) {
        values << Shown(v[i++]);
        continue;
      }
      values << (step == e_.shownFactor
                     ? tr("%1 to %2").arg(Shown(v[i]), Shown(v[end - 1]))
                     : tr("%1 to %2 in steps of %3").arg(Shown(v[i]), Shown(v[end - 1]), Shown(step)));
      i = end;
    }
    return values.join(", ");
  }

  const CatalogueEntry& e_;
};

}  // namespace

QString SettingToolTip(const CatalogueEntry& entry) { return SettingToolTip(std::vector{&entry}); }

QString SettingDescription(const CatalogueEntry& entry) { return SettingDescription(std::vector{&entry}); }

QString SettingToolTip(const std::vector<const CatalogueEntry*>& entries) {
  if (entries.empty()) return {};
  const QString about = SettingFacts(*entries.front()).About();
  QString tip = about.isEmpty() ? QString() : "<p>" + about.toHtmlEscaped() + "</p>";
  for (const CatalogueEntry* entry : entries) {
    const SettingFacts facts(*entry);
    tip += "<p>" + facts.Facts().toHtmlEscaped() + "<br><tt>" + facts.Key().toHtmlEscaped() + "</tt></p>";
  }
  return tip;
}

QString SettingDescription(const std::vector<const CatalogueEntry*>& entries) {
  if (entries.empty()) return {};
  QStringList parts;
  if (const QString about = SettingFacts(*entries.front()).About(); !about.isEmpty()) parts << about;
  for (const CatalogueEntry* entry : entries) {
    const SettingFacts facts(*entry);
    parts << facts.Facts() << facts.Key();
  }
  return parts.join(" ");
}

void ShowSettingHelp(QWidget* widget, const std::vector<const CatalogueEntry*>& entries) {
  widget->setToolTip(SettingToolTip(entries));
  widget->setAccessibleDescription(SettingDescription(entries));
}

namespace {

std::vector<const CatalogueEntry*> EntryNamed(const SettingCatalogue& catalogue, std::string_view name) {
  const CatalogueEntry* entry = FindSetting(catalogue, name);
  return entry == nullptr ? std::vector<const CatalogueEntry*>{} : std::vector{entry};
}

}  // namespace

void ShowSettingHelp(QWidget* widget, const SettingCatalogue& catalogue, std::string_view name) {
  ShowSettingHelp(widget, EntryNamed(catalogue, name));
}

void ShowSettingHelp(QListWidgetItem* item, const SettingCatalogue& catalogue, std::string_view name) {
  ShowSettingHelp(item, EntryNamed(catalogue, name));
}

void ShowSettingHelp(QListWidgetItem* item, const std::vector<const CatalogueEntry*>& entries) {
  item->setToolTip(SettingToolTip(entries));
  item->setData(Qt::AccessibleDescriptionRole, SettingDescription(entries));
}

void ShowSettingHelp(QWidget* widget, const QListWidgetItem* item) {
  widget->setToolTip(item == nullptr ? QString() : item->toolTip());
  widget->setAccessibleDescription(item == nullptr ? QString() : item->data(Qt::AccessibleDescriptionRole).toString());
}

}  // namespace trv
