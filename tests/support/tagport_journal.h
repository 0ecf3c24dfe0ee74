// The call journal of the tag-access stand-in, as the tests read it.
#pragma once

#include "scratch_folder.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zt::test {

struct JournalCall {
    std::string function;  // "TagportActivate"
    std::string arguments; // as journaled: `1, "Pump1"`
    std::string result;    // after " -> ", empty for calls without a result
};

class TagportJournal {
  public:
    // Points the stand-in's journal at a new empty file.
    TagportJournal();

    // Calls journaled since the previous call (or since construction).
    std::vector<JournalCall> take_new_calls();

  private:
    ScratchFolder folder_{"journal"};
    std::string path_;
    std::size_t consumed_ = 0;
};

// The function names of `calls`, in order.
std::vector<std::string> function_names(const std::vector<JournalCall>& calls);

// A tag handle as the journal writes it.
std::string tag_text(std::uintptr_t tag);

// Tags that `calls` activated and did not deactivate.
std::vector<std::string> tags_left_active(const std::vector<JournalCall>& calls);

} // namespace zt::test
