#pragma once

#include <QChar>
#include <QString>

#include <map>
#include <vector>

namespace zerval {

// The old units of Valencia, one group of linked fields per magnitude. The Valencian vara is
// 0.906 m; every other unit is a fixed part or multiple of it, or of the libra of 355 g.

struct ValencianField {
    int number;         // the field Edit<number>
    int source;         // the field it is computed from: the hub or one computed before it
    long double factor; // its value per unit of the source
    long double toHub;  // hub units in one of its units
};

// The compound spelling a memo shows, in the group's largest old unit.
enum class Spelling { None, Length, Surface, Volume, Weight };

struct ValencianGroup {
    QString name;
    int hub;
    std::vector<ValencianField> fields; // sources before the fields computed from them
    Spelling spelling;
    int spelledField; // the field holding the amount the memo spells (varas, libras)
    int first;        // the fields Edit<first> to Edit<last> are emptied together
    int last;
};

const std::vector<ValencianGroup>& valencianGroups();
// The group a field belongs to; null for a number that is no field of the window.
const ValencianGroup* valencianGroupOf(int number);

// Every value of the group from the hub's, the active field keeping its own: computed in
// extended precision and stored as doubles. FloatError when any of them is not a finite
// double, so that the caller writes all of them or none.
std::map<int, double> groupValues(const ValencianGroup& group, double hubValue, int activeField,
                                  double activeValue);

// An amount in the group's largest old unit spelled in whole smaller units down to the
// thousandth of the smallest, one line a unit ("1 vara,", "0 palmos," ...).
QString SpellCompound(Spelling spelling, double amount, QChar separator);

} // namespace zerval
