#pragma once

namespace RankscoutMod {

// Loads the results window if needed and writes the grid's column widths and
// header row. Rows 1 to 90 are left as they are; the window is not shown.
void PrepareResultsGrid();

}  // namespace RankscoutMod
