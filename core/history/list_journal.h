#pragma once

#include <string>
#include <vector>

namespace sredna {

// One change to a list's items, with what it replaced: at position, the
// items in removed gave way to those in inserted. An append, an edit, a
// deletion and a clear are all of this one shape, so taking any of them back
// is the same operation.
struct ItemSplice {
    int position = 0;
    std::vector<std::string> removed;
    std::vector<std::string> inserted;
};

// Receives every change to the items of the lists it is attached to.
class ListJournal {
public:
    virtual void Record(int list, ItemSplice splice) = 0;

protected:
    ListJournal() = default;
    ListJournal(const ListJournal&) = default;
    ListJournal& operator=(const ListJournal&) = default;
    ~ListJournal() = default;
};

}  // namespace sredna
