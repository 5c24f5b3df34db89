#include "dotqueue.h"

namespace mainwindow {

void DotQueue::reset(std::size_t cells)
{
    queued_.assign(cells, 0);
    order_.clear();
    order_.reserve(cells < 4096 ? cells : 4096);
}

} // namespace mainwindow
