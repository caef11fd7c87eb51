// The process entry of the windowed program, kept apart from the framework library so
// that test programs can bring their own.
#include "framework/win_app.h"

int main(int argc, char** argv)
{
    return AfxWinMain(argc, argv);
}
