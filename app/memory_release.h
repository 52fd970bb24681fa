#pragma once

namespace app {

// Blocks of 128 KB and more (the texts and layouts of long field contents) go back to the
// system as soon as they are freed. glibc otherwise raises that threshold each time such a
// block is freed, and a lesson of long pastes leaves the heap holding tens of megabytes it no
// longer uses.
void returnLargeBlocksWhenFreed();

}  // namespace app
