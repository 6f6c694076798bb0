#include "app/startup.h"

int main(int argc, char **argv)
{
    return tovy::Main(argc, argv);
}
