#pragma once

namespace app {

// Makes freed memory go back to the system rather than stay with the program, over a lesson of
// long pastes. To be called first thing, before Qt starts its threads.
//
// Blocks of 128 KB and more (the texts and layouts of long field contents) go back as soon as
// they are freed: glibc otherwise raises that threshold each time such a block is freed, and
// the heap keeps tens of megabytes it no longer uses. And every thread allocates from the one
// heap: a heap of its own that glibc gives one of Qt's threads keeps its free end when
// trimmed, some megabytes after a long paste.
void releaseFreedMemory();

}  // namespace app
