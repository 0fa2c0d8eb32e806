// The car step, one per tick of the step timer.
#include "game/frm_haupt.h"

namespace pendix {

void frmHaupt::tmeWeiter_Timer() { StepCar(); }

void frmHaupt::StepCar() {}

}  // namespace pendix
