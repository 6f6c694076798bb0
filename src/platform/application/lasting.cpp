#include "platform/application/lasting.h"

namespace platform::detail {

namespace {

constinit LastingBase *g_newest = nullptr;

} // namespace

void LastingBase::Made()
{
    next_ = g_newest;
    g_newest = this;
}

void ReleaseLasting()
{
    // One made while another goes joins the list and goes too.
    while (LastingBase *item = g_newest) {
        g_newest = item->next_;
        item->next_ = nullptr;
        item->destroy_(*item);
    }
}

} // namespace platform::detail
