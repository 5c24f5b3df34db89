#include "dotqueue.h"

namespace mainwindow {

void DotQueue::reset(std::size_t cells)
{
    order_.assign(cells + 1, 0);
    count_ = 0;
}

} // namespace mainwindow
