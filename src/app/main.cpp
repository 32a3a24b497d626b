// quarrion, the slide-show designer.
#include "app/designer_main.h"

int main(int argc, char** argv) { return RunDesigner(argc, argv); }
