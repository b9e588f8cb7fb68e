#include "choice.h"

static unsigned char foldCase(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return (unsigned char)(c - 'a' + 'A');
    /* Latin-1 small letters a-grave to y-acute, without the division sign. */
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return (unsigned char)(c - 0x20);
    return c;
}

int choiceCompareNames(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        const unsigned char left = foldCase((unsigned char)*a), right = foldCase((unsigned char)*b);
        if (left != right || left == 0)
            return (int)left - (int)right;
    }
}

void choiceSortNames(const char** names, int count)
{
    /* Insertion sort: a library holds tens of sets, and it needs no runtime library. */
    for (int i = 1; i < count; ++i) {
        const char* name = names[i];
        int j = i - 1;
        for (; j >= 0 && choiceCompareNames(names[j], name) > 0; --j)
            names[j + 1] = names[j];
        names[j + 1] = name;
    }
}

int choiceFindName(const char* const* names, int count, const char* name)
{
    for (int i = 0; i < count; ++i)
        if (choiceCompareNames(names[i], name) == 0)
            return i;
    return -1;
}

int choiceIsSingleLogoSet(const char* name)
{
    const char* dot = 0;
    for (const char* c = name; *c; ++c) {
        if (*c == '.')
            dot = c;
        else if (*c == '\\' || *c == '/')
            dot = 0;
    }
    return dot && choiceCompareNames(dot, ".SLS") == 0;
}

int choiceNextIndex(int count, int installed)
{
    if (count < 1)
        return -1;
    const int next = (installed + 1) % count;
    return next == installed ? -1 : next;
}

void choiceSeed(ChoiceRandom* random, unsigned long seed)
{
    random->state = seed;
}

unsigned choiceDraw(ChoiceRandom* random)
{
    /* The classic linear congruential step; its high bits are the better ones. */
    random->state = (random->state * 1103515245UL + 12345UL) & 0xFFFFFFFFUL;
    return (unsigned)((random->state >> 16) & 0xFFFFU);
}

int choiceRandomOther(int count, int excluded, ChoiceRandom* random)
{
    if (count < 1 || (count == 1 && excluded == 0))
        return -1;
    for (;;) {
        const int index = (int)(((unsigned long)choiceDraw(random) * (unsigned long)count) >> 16);
        if (index != excluded)
            return index;
    }
}
