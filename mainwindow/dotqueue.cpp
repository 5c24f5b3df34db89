#include "dotqueue.h"

namespace mainwindow {

void DotQueue::reset(std::size_t cells)
{
    queued_.assign(cells, 0);
    order_.assign(cells + 1, 0);
    count_ = 0;
}

} // namespace mainwindow
