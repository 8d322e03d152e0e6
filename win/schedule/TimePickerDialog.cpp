#include "schedule/TimePickerDialog.h"
