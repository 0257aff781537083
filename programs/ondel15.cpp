#include "shell/ui/runprogram.h"
#include "speakers/speaker_demonstrator.h"

int main(int argc, char **argv)
{
    using namespace ondel;
    return runProgram(argc, argv, std::make_unique<SpeakerDemonstrator>());
}
