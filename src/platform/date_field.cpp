// Date fields and up-down controls. A date mask holds %dd, %mm and %yyyy; everything else in it is
// literal text (month names, weekdays, commas), which the toolkit's display format needs quoted.
#include <QDateEdit>
#include <QLineEdit>
#include <cstring>

#include "platform/core.h"
#include "platform/gadget_widgets.h"

namespace pf::detail {
namespace {

struct MaskCode {
  const char* code;
  const char* qt;
};
constexpr MaskCode kCodes[] = {{"%yyyy", "yyyy"}, {"%dd", "dd"}, {"%mm", "MM"}};

// Splits a mask into codes and literal runs, calling `code` or `literal` for each in order.
template <typename Code, typename Literal>
void WalkMask(const std::string& mask, Code code, Literal literal) {
  std::string run;
  for (size_t i = 0; i < mask.size();) {
    const MaskCode* hit = nullptr;
    for (const auto& c : kCodes)
      if (mask.compare(i, std::strlen(c.code), c.code) == 0) hit = &c;
    if (!hit) {
      run += mask[i++];
      continue;
    }
    if (!run.empty()) literal(run);
    run.clear();
    code(*hit);
    i += std::strlen(hit->code);
  }
  if (!run.empty()) literal(run);
}

DateField* Field(int gadget) {
  Gadget* g = FindGadget(gadget);
  return g && g->kind == Kind::Date ? static_cast<DateField*>(g->widget.data()) : nullptr;
}

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

}  // namespace

QString DateMaskToFormat(const std::string& mask, bool* hasSections) {
  QString out;
  *hasSections = false;
  WalkMask(
      mask,
      [&](const MaskCode& c) {
        out += QLatin1String(c.qt);
        *hasSections = true;
      },
      [&](const std::string& run) {
        QString lit = QString::fromStdString(run);
        lit.replace(u'\'', QLatin1String("''"));
        out += u'\'' + lit + u'\'';
      });
  return out;
}

int LeadingTextLength(const std::string& mask) {
  int length = -1;
  WalkMask(
      mask, [&](const MaskCode&) { length = std::max(length, 0); },
      [&](const std::string& run) {
        if (length < 0) length = int(QString::fromStdString(run).size());
      });
  return std::max(length, 0);
}

std::string ApplyDateMask(const std::string& mask, int year, int month, int day) {
  std::string out;
  WalkMask(
      mask,
      [&](const MaskCode& c) {
        const std::string code = c.code;
        if (code == "%dd")
          out += TwoDigits(day);
        else if (code == "%mm")
          out += TwoDigits(month);
        else
          out += std::to_string(year);
      },
      [&](const std::string& run) { out += run; });
  return out;
}

}  // namespace pf::detail

namespace pf {
using detail::Field;

// A field without a mask shows the short date.
constexpr const char* kShortDateMask = "%mm/%dd/%yyyy";

int DateGadget(int number, int x, int y, int w, int h, const std::string& mask, unsigned fl) {
  detail::Gadget* g = detail::CreateGadget(number, Kind::Date, fl, {x, y, w, h}, [&](QWidget* p, int) {
    auto* d = new detail::DateField(p);
    d->setCalendarPopup(true);
    d->setMinimumDate(QDate(1601, 1, 1));
    d->setMaximumDate(QDate(9999, 12, 31));
    return d;
  });
  if (!g) return 0;
  auto* d = static_cast<detail::DateField*>(g->widget.data());
  if (QLineEdit* edit = d->findChild<QLineEdit*>()) detail::RegisterPart(*g, edit);
  const int n = g->number;
  {
    detail::ProgramScope program;
    const Date today = TodayLocal();
    d->setDate(QDate(today.year, today.month, today.day));
  }
  SetDateMask(n, mask);
  // Only the user's changes are reported; the program's own date sets raise nothing. Enter reports the
  // date again even when it stayed; that is no change.
  d->lastDate = d->date();
  QObject::connect(d, &QDateEdit::dateChanged, d, [n, d](QDate now) {
    const bool changed = now != d->lastDate;
    d->lastDate = now;
    if (changed && !detail::InProgramWrite()) detail::PostGadgetEvent(n, GadgetEvent::DateChange);
  });
  return n;
}

bool SetGadgetDate(int gadget, Date date) {
  detail::DateField* d = Field(gadget);
  if (!d) return false;
  const QDate q(date.year, date.month, date.day);
  if (!q.isValid() || q < d->minimumDate() || q > d->maximumDate()) return false;
  detail::ProgramScope program;
  d->setDate(q);
  return true;
}

Date GetGadgetDate(int gadget) {
  detail::DateField* d = Field(gadget);
  if (!d) return {};
  const QDate q = d->date();
  return Date{q.year(), q.month(), q.day()};
}

void SetDateMask(int gadget, const std::string& mask) {
  detail::DateField* d = Field(gadget);
  if (!d) return;
  detail::Gadget* g = detail::FindGadget(gadget);
  g->dateMask = mask;
  const std::string shown = mask.empty() ? kShortDateMask : mask;
  bool sections = false;
  const QString format = detail::DateMaskToFormat(shown, &sections);
  detail::ProgramScope program;
  if (sections) {
    d->SetFormat(format, detail::LeadingTextLength(shown));
  } else {
    // A mask of literal text only (a whole long date) has nothing to edit; it is shown as it is.
    const QString text = QString::fromStdString(mask);
    d->SetLiteralText(&text);
  }
}

std::string GetDateMask(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  return g && g->kind == Kind::Date ? g->dateMask : std::string();
}

std::string GetDateDisplayText(int gadget) {
  detail::Gadget* g = detail::FindGadget(gadget);
  if (!g || g->kind != Kind::Date) return {};
  const Date d = GetGadgetDate(gadget);
  return detail::ApplyDateMask(g->dateMask.empty() ? kShortDateMask : g->dateMask, d.year, d.month, d.day);
}

// --- Up-down -----------------------------------------------------------------------------------------------

namespace {
// A user step: the buddy's number moves by one within the range; the buddy reports the change as the
// user's.
void StepBuddy(int number, bool up) {
  detail::Gadget* g = detail::FindGadget(number);
  if (!g) return;
  detail::Gadget* buddy = detail::FindGadget(g->buddy);
  if (!buddy || buddy->kind != Kind::Field) return;
  auto* edit = static_cast<QLineEdit*>(buddy->widget.data());
  bool ok = false;
  int v = edit->text().trimmed().toInt(&ok);
  if (!ok) v = g->widget->property("pfPosition").toInt();
  v = std::clamp(v + (up ? 1 : -1), g->minimum, g->maximum);
  g->widget->setProperty("pfPosition", v);
  detail::OriginScope user(Origin::User);
  edit->setText(QString::number(v));
}
}  // namespace

int UpDownGadget(int number, int x, int y, int w, int h, int minimum, int maximum, int buddyField) {
  int self = 0;
  detail::Gadget* g =
      detail::CreateGadget(number, Kind::UpDown, flags::kNoTabStop, {x, y, w, h}, [&](QWidget* p, int n) {
        self = n;
        return new detail::UpDownWidget(p, [n](bool up) { StepBuddy(n, up); });
      });
  if (!g) return 0;
  g->minimum = std::min(minimum, maximum);
  g->maximum = std::max(minimum, maximum);
  g->buddy = buddyField;
  g->widget->setProperty("pfPosition", g->minimum);
  g->widget->setFocusPolicy(Qt::NoFocus);
  return self;
}

}  // namespace pf
