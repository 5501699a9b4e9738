// Entry ordering: names, the sort of entryList, and the groups.
#pragma once

namespace inkwright {

// Sets entryName of every entry: the last "/"-separated component of its headerPath.
void deriveEntryNames();

// Sorts entryList ascending by entryName, ignoring the case of A-Z.
void sortEntries();

// Sets groupName where the headerPath holds exactly one "/" and fills groupList, sorted.
void collectGroups();

}  // namespace inkwright
