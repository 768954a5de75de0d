#pragma once
#include "core/a.h"
