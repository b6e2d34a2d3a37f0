// Included by THostSession.h, after THostEntry.
//
// THostEdits: what the cataloguer changed in the open file, as undo and redo
// give it back. Each change is the one record it touched, before and after (a
// record added has nothing before, a record deleted nothing after), never a
// copy of the file; an editor's OK, a field line, a field inserted or deleted,
// a record added or deleted is one change.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

struct THostChange
{
    std::size_t mnIndex = 0;
    std::optional<THostEntry> mxBefore;
    std::optional<THostEntry> mxAfter;
};

class THostEdits
{
public:
    void qvClear()
    {
        mxDone.clear();
        mxUndone.clear();
        mnSavedAt = 0;
    }
    // A new change: what was undone cannot be redone any more.
    void qvRecord(THostChange xChange)
    {
        if (mnSavedAt > mxDone.size())
            mnSavedAt = kNever;
        mxDone.push_back(std::move(xChange));
        mxUndone.clear();
    }
    // The file was saved: undoing or redoing back to here leaves nothing unsaved.
    void qvMarkSaved() { mnSavedAt = mxDone.size(); }
    bool qtAtSaved() const { return mnSavedAt == mxDone.size(); }
    bool qtCanUndo() const { return !mxDone.empty(); }
    bool qtCanRedo() const { return !mxUndone.empty(); }
    // The change to take back (moved to the redo list), or null.
    THostChange* qpxUndo() { return qpxMove(mxDone, mxUndone); }
    // The change to make again (moved back to the undo list), or null.
    THostChange* qpxRedo() { return qpxMove(mxUndone, mxDone); }

private:
    static THostChange* qpxMove(std::vector<THostChange>& rxFrom, std::vector<THostChange>& rxTo)
    {
        if (rxFrom.empty())
            return nullptr;
        rxTo.push_back(std::move(rxFrom.back()));
        rxFrom.pop_back();
        return &rxTo.back();
    }

    static constexpr std::size_t kNever = static_cast<std::size_t>(-1);
    std::vector<THostChange> mxDone;
    std::vector<THostChange> mxUndone;
    // How many changes were done when the file was last saved or read.
    std::size_t mnSavedAt = 0;
};
