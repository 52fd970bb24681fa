// GCC 12's C++ runtime, linked into the self-contained Linux program, asks the C library whether
// the process has only one thread, which C libraries from 2.32 on answer. For older ones the
// program answers itself "not known": the runtime then always takes its locks and counts
// atomically, as it would with threads.
extern "C" {
char __libc_single_threaded = 0;
}
