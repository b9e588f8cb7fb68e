/* The rules the Windows companion programs choose by, kept free of Win32 so that the host tests
   run them as they are. Names are ANSI (Latin-1) strings. */
#ifndef BOOTCANVAS_CHOICE_H
#define BOOTCANVAS_CHOICE_H

#ifdef __cplusplus
extern "C" {
#endif

/* Compares two names without regard to case, ASCII and Latin-1 letters alike; <0, 0 or >0. */
int choiceCompareNames(const char* a, const char* b);

/* Sorts `count` names in place into the library's order (alphabetical without regard to case). */
void choiceSortNames(const char** names, int count);

/* The index of `name` among `names` without regard to case; -1 when it is not there. */
int choiceFindName(const char* const* names, int count, const char* name);

/* A single-logo set is a folder whose name ends in ".SLS", in any case. */
int choiceIsSingleLogoSet(const char* name);

/* The set after `installed` in the list, wrapping at the end; the first one when `installed` is -1.
   -1 when there is no set other than the installed one. */
int choiceNextIndex(int count, int installed);

/* A small generator that needs no runtime library: each call returns 0 <= r < 1 << 16. */
typedef struct ChoiceRandom {
    unsigned long state;
} ChoiceRandom;
void choiceSeed(ChoiceRandom* random, unsigned long seed);
unsigned choiceDraw(ChoiceRandom* random);

/* An index other than `excluded`, each with the same chance; -1 when there is no other one.
   `excluded` may be -1, then every index can be drawn. */
int choiceRandomOther(int count, int excluded, ChoiceRandom* random);

#ifdef __cplusplus
}
#endif

#endif
