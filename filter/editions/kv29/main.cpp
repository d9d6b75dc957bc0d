#include "../../core/filter_main.h"
#include "kv29_profile.h"

int main(int argc, char** argv) { return zqf::FilterMain(zqf::Kv29Profile(), argc, argv); }
