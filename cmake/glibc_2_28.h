/* Included first in every compilation of the self-contained Linux program and of its static Qt,
 * so that the program runs on a C library as old as 2.28 (Astra Linux 1.7's) though built on
 * Debian 11's 2.31.
 *
 * glibc 2.29 gave exp, exp2, log, log2 and pow new symbol versions that only drop the SVID error
 * handling (matherr, gone for new programs since 2.27): the computation is the same code, and
 * the old versions still set errno as POSIX asks. So the old versions give this program the same
 * numbers, to the last digit. */
#if defined(__x86_64__) && defined(__linux__)
__asm__(".symver exp,exp@GLIBC_2.2.5");
__asm__(".symver exp2,exp2@GLIBC_2.2.5");
__asm__(".symver log,log@GLIBC_2.2.5");
__asm__(".symver log2,log2@GLIBC_2.2.5");
__asm__(".symver pow,pow@GLIBC_2.2.5");
#endif
