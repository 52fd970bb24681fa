// Included first, after glibc_2_28.h, in every C++ compilation of the self-contained Linux
// program: GCC 12's C++ headers, configured for Debian 12's C library, wait for a steady-clock
// time with pthread_cond_clockwait and its kin (C library 2.30). Without them the headers use
// the older calls, converting the time themselves.
#include <bits/c++config.h>
#undef _GLIBCXX_USE_PTHREAD_COND_CLOCKWAIT
#undef _GLIBCXX_USE_PTHREAD_MUTEX_CLOCKLOCK
#undef _GLIBCXX_USE_PTHREAD_RWLOCK_CLOCKLOCK
