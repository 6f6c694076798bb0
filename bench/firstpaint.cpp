// The real program, exactly as build/bin/tovy runs it; the process ends at
// its first paint (exitatfirstpaint.cpp).

#include "app/startup.h"

int main(int argc, char **argv)
{
    return tovy::Main(argc, argv);
}
