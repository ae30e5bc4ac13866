#pragma once

// The two value axes a chart has: X along the bottom, Y along the left side.
enum class ChartAxis { Bottom, Left };
