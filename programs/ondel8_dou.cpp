#include "shell/ui/runprogram.h"
#include "travelling/travelling_demonstrator.h"

int main(int argc, char **argv)
{
    using namespace ondel;
    return runProgram(argc, argv, std::make_unique<TravellingDemonstrator>(TravellingDemonstrator::ondel8Dou()));
}
