#include "rules/week_of_month.h"

#include "rules/numbers.h"

namespace mj {

int16_t calc_monthweek(const int16_t& day_in) {
  const int16_t x = checked_sub(day_in, 1);
  // Floor division, so that days before the 1st fall in week 0 and below.
  const int quotient = x >= 0 ? x / 7 : -((-x + 6) / 7);
  return static_cast<int16_t>(quotient + 1);
}

date calc_mweekday(const date& mstart_day, const int16_t& week_day, const int16_t& mweek) {
  const int16_t base = checked_mul(checked_sub(mweek, 1), 7);
  int16_t offset = checked_sub(week_day, static_cast<int16_t>(weekday_number(mstart_day)));
  if (offset < 0) offset = checked_add(offset, 7);
  const int16_t total = checked_add(base, offset);
  return add_days(mstart_day, total);
}

}  // namespace mj
