// The drive: "Level - Start", the steering and speed keys, and the car step.
#include "game/frm_haupt.h"

namespace pendix {

void frmHaupt::cmdLevelStart_Click() {}

void frmHaupt::Form_KeyPress(int& keyAscii) { (void)keyAscii; }

void frmHaupt::tmeWeiter_Timer() { StepCar(); }

void frmHaupt::StepCar() {}

}  // namespace pendix
