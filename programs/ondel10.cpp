#include "reflection/slider_reflection_demonstrator.h"
#include "shell/ui/runprogram.h"

int main(int argc, char **argv)
{
    using namespace ondel;
    return runProgram(argc, argv, std::make_unique<SliderReflectionDemonstrator>());
}
