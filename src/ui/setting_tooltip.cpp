#include "ui/setting_tooltip.h"

#include <QCoreApplication>
#include <QListWidgetItem>
#include <QStringList>
#include <QWidget>

#include "config/settings/setting_catalogue.h"
#include "ui/text_convert.h"
#include "ui/translated.h"

namespace trv {
namespace {

class Units {
  Q_DECLARE_TR_FUNCTIONS(Units)

 public:
  // A number in a unit, in the unit's plural form: the sign is written apart, since the plural
  // forms are chosen by the number's size.
  static QString Quantity(std::int64_t n, std::string_view unit) {
    const int size = static_cast<int>(n < 0 ? -n : n);
    const QString sign = n < 0 ? QStringLiteral("-") : QString();
    if (unit == "min") return sign + tr("%n min", nullptr, size);
    if (unit == "ms") return sign + tr("%n ms", nullptr, size);
    if (unit == "h") return sign + tr("%n hour(s)", nullptr, size);
    return QString::number(n);
  }
};

class SettingFacts {
  Q_DECLARE_TR_FUNCTIONS(SettingFacts)

 public:
  explicit SettingFacts(const CatalogueEntry& e) : e_(e) {}

  // Range or width, and the default.
  QString Facts() const {
    using Kind = CatalogueEntry::Kind;
    switch (e_.kind) {
      case Kind::Flag: return FlagDefault();
      case Kind::Integer:
        if (e_.allowed.size() == 1) return tr("Always %1.").arg(Shown(e_.allowed.front()));  // no choice, no default
        if (!e_.allowed.empty()) return WithDefault(tr("One of %1.").arg(Allowed()));
        if (e_.ranged) return WithDefault(tr("From %1 to %2.").arg(Shown(e_.min), Shown(e_.max)));
        if (e_.listed)
          return WithDefault(
              tr("From %1 to %2.")
                  .arg(Units::Quantity(e_.listFrom, e_.unitName), Units::Quantity(e_.listTo, e_.unitName)));
        return WithDefault({});
      case Kind::Real:
        return WithDefault(e_.width == 0 ? QString()
                                         : tr("A number of up to %n characters with three decimals.", nullptr,
                                              static_cast<int>(e_.width)));
      case Kind::Text: break;
    }
    return e_.defaultValue.empty() ? Joined(Width(), tr("Empty by default.")) : WithDefault(Width());
  }

  QString About() const { return e_.about.empty() ? QString() : Translated(std::string(e_.about).c_str()); }

  QString Key() const {
    return QStringLiteral("[%1] %2").arg(
        QString::fromLatin1(e_.section.data(), static_cast<qsizetype>(e_.section.size())),
        QString::fromLatin1(e_.key.data(), static_cast<qsizetype>(e_.key.size())));
  }

 private:
  static QString Joined(const QString& a, const QString& b) { return a.isEmpty() ? b : b.isEmpty() ? a : a + " " + b; }

  QString FlagDefault() const {
    const bool on = e_.defaultValue == "yes";
    if (e_.newTncDefault) return on ? tr("On for a new TNC.") : tr("Off for a new TNC.");
    return on ? tr("On by default.") : tr("Off by default.");
  }

  // What can be typed, or what the reader keeps where that is the same.
  QString Width() const {
    const std::size_t typed = e_.typingWidth != 0 ? e_.typingWidth : e_.width;
    if (typed == 0) return {};
    const bool typingOnly = e_.keepsLonger || (e_.typingWidth != 0 && (e_.width == 0 || e_.typingWidth < e_.width));
    return typingOnly ? tr("Up to %n characters can be typed.", nullptr, static_cast<int>(typed))
                      : tr("Up to %n characters.", nullptr, static_cast<int>(typed));
  }

  QString DefaultShown(const std::string& value) const {
    if (e_.kind == CatalogueEntry::Kind::Integer) return Shown(std::stoll(value));
    return FromWindows(Unbracketed(e_, value));  // the brackets are fixed
  }

  QString WithDefault(const QString& facts) const {
    if (e_.defaultValue.empty()) return facts;
    const QString value = DefaultShown(e_.defaultValue);
    if (!e_.defaultKey.empty())
      return Joined(facts,
                    tr("When it is missing or empty, reading adds it with the value of [%1] %2 (%3 when that is "
                       "missing or unusable). An unusable value gives %4.")
                        .arg(QString::fromLatin1(e_.section.data(), static_cast<qsizetype>(e_.section.size())),
                             QString::fromLatin1(e_.defaultKey.data(), static_cast<qsizetype>(e_.defaultKey.size())),
                             value, DefaultShown(e_.unusableDefault)));
    if (e_.newTncDefault) return Joined(facts, tr("A new TNC has %1.").arg(value));
    return Joined(facts, tr("Default %1.").arg(value));
  }

  // In the unit the field shows.
  QString Shown(std::int64_t value) const {
    if (e_.shownAs) return Translated(e_.shownAs(value).c_str());  // a colour's name; "COM 3" as it is
    return Units::Quantity(value * e_.shownScale / e_.shownFactor, e_.unitName);
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
      values << (step * e_.shownScale == e_.shownFactor
                     ? tr("%1 to %2").arg(Shown(v[i]), Shown(v[end - 1]))
                     : tr("%1 to %2 in steps of %3").arg(Shown(v[i]), Shown(v[end - 1]), Shown(step)));
      i = end;
    }
    return values.join(", ");
  }

  const CatalogueEntry& e_;
};

}  // namespace

QString ShownQuantity(std::int64_t n, std::string_view unit) { return Units::Quantity(n, unit); }

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
