#include "../../core/filter_main.h"
#include "ark_profile.h"

int main(int argc, char** argv) { return zqf::FilterMain(zqf::ArkProfile(), argc, argv); }
