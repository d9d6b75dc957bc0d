#include "../../core/filter_main.h"
#include "teld_profile.h"

int main(int argc, char** argv) { return zqf::FilterMain(zqf::TeldProfile(), argc, argv); }
