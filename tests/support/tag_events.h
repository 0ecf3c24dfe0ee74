// The tag-access stand-in's journal read as what happened to which tag:
//   "init", "activate Msg1", "Msg1 = Pump running", "give back Msg1",
//   "shutdown"; checks, types and activity queries are left out. Tags are
// named by the name they were activated under.
#pragma once

#include "tagport_journal.h"

#include <map>
#include <string>
#include <vector>

namespace zt::test {

class TagEvents {
  public:
    explicit TagEvents(TagportJournal& journal) : journal_(journal) {}

    // Events since the previous call.
    std::vector<std::string> take();

  private:
    std::string name_of(const std::string& tag) const;

    TagportJournal& journal_;
    std::map<std::string, std::string> names_; // tag handle as journaled -> name
};

} // namespace zt::test
