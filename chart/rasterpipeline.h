#pragma once

#include <functional>
#include <vector>

class StrokeRaster;

// Rasters pictures on all cores and hands them over in order: each job runs on a workspace, and
// paint is called on the calling thread for each job in turn once it is done. A workspace takes
// a new job only after its last picture has been painted, so no more pictures exist at a time
// than there are workspaces, however many jobs there are. What a job throws comes back from run
// once every job has ended; the pictures of the others are still painted.
class RasterPipeline {
 public:
  using Job = std::function<void(StrokeRaster &workspace)>;
  using Paint = std::function<void(const StrokeRaster &workspace)>;

  // Workspaces for as many threads as the machine has cores, and one more for the next picture.
  static std::size_t WorkspacesWanted();
  // At most this many threads from now on (0: as many as cores); for trying other machines.
  static void SetThreadLimit(std::size_t threads);

  static void Run(std::vector<StrokeRaster> &workspaces, const std::vector<Job> &jobs, const Paint &paint);
};
