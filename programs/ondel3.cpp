#include "shell/ui/runprogram.h"
#include "standing/standing_demonstrator.h"

int main(int argc, char **argv)
{
    using namespace ondel;
    return runProgram(argc, argv, std::make_unique<StandingDemonstrator>(ondel3Config));
}
