#pragma once
// The fast line series under its class name.

#include "chart/FastLineSeries.h"
