#include "tasks/task_progress.h"

#include <algorithm>

namespace dravolt {

bool PollTask(TaskSharedState& task, TaskProgress* record)
{
    if (!record)
        return task.finished.load();
    record->progress = std::clamp(task.progress.load(), 0, 100);
    task.cancelRequested.store(record->cancel);
    // Finished is read before failed: a body stores its outcome first (see
    // TaskSharedState::Finish), so a finished task is never taken for a
    // successful one while its failure is still on the way.
    bool finished = task.finished.load();
    if (task.failed.load()) {
        record->failed = true;
        task.finished.store(true);
        finished = true;
    }
    if (finished)
        record->done = true;
    return finished;
}

}  // namespace dravolt
