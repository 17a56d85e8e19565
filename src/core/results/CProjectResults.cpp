#include "core/results/CProjectResults.h"

CProjectResults::CProjectResults() = default;
