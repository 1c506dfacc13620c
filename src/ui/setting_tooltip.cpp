#include "ui/setting_tooltip.h"

#include <QCoreApplication>
#include <QStringList>

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

  QString Allowed() const {
    QStringList values;
    for (std::int64_t value : e_.allowed) values << Shown(value);
    return values.join(", ");
  }

  const CatalogueEntry& e_;
};

}  // namespace

QString SettingToolTip(const CatalogueEntry& entry) {
  const SettingFacts facts(entry);
  const QString about = facts.About();
  return (about.isEmpty() ? QString() : "<p>" + about.toHtmlEscaped() + "</p>") + "<p>" +
         facts.Facts().toHtmlEscaped() + "<br><tt>" + facts.Key().toHtmlEscaped() + "</tt></p>";
}

QString SettingDescription(const CatalogueEntry& entry) {
  const SettingFacts facts(entry);
  QStringList parts;
  if (const QString about = facts.About(); !about.isEmpty()) parts << about;
  parts << facts.Facts() << facts.Key();
  return parts.join(" ");
}

}  // namespace trv
