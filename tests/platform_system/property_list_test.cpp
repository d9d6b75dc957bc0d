#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../platform/test_support.h"
#include "zqp/property_list.h"

namespace {

std::string Xml(plist_t node) {
  char* xml = nullptr;
  uint32_t length = 0;
  plist_to_xml(node, &xml, &length);
  std::string text(xml != nullptr ? xml : "", length);
  plist_to_xml_free(xml);
  return text;
}

TEST(PropertyList, WrittenTreeReadsBackWhole) {
  zqtest::TempDir dir;
  const std::string path = dir.path() + "/Caches/printer.plist";
  zqp::PlistPtr root(plist_new_dict());
  plist_dict_set_item(root.get(), "Name", plist_new_string("Étage 2 – Büro"));
  plist_dict_set_item(root.get(), "Count", plist_new_uint(42));
  plist_t list = plist_new_array();
  plist_array_append_item(list, plist_new_string("a"));
  plist_array_append_item(list, plist_new_bool(1));
  plist_dict_set_item(root.get(), "List", list);

  ASSERT_EQ(zqp::WritePropertyList(path, root.get(), 0664), zqp::kFileNotFoundErr)
      << "a missing folder is not created behind the caller's back";
  std::filesystem::create_directories(dir.path() + "/Caches");
  ASSERT_EQ(zqp::WritePropertyList(path, root.get(), 0664), zqp::kNoErr);
  struct stat st{};
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0664u);

  zqp::Status status = zqp::kParamErr;
  const zqp::PlistPtr back = zqp::ReadPropertyList(path, &status);
  ASSERT_TRUE(back);
  EXPECT_EQ(status, zqp::kNoErr);
  EXPECT_EQ(Xml(back.get()), Xml(root.get()));
  uint64_t count = 0;
  plist_get_uint_val(plist_dict_get_item(back.get(), "Count"), &count);
  EXPECT_EQ(count, 42u);
  EXPECT_EQ(plist_array_get_size(plist_dict_get_item(back.get(), "List")), 2u);
  EXPECT_STREQ(zqp::PlistString(plist_dict_get_item(back.get(), "Name")), "Étage 2 – Büro");
  EXPECT_EQ(zqp::PlistString(plist_dict_get_item(back.get(), "Count")), nullptr);
}

TEST(PropertyList, MissingAndDamagedFilesAreRefusedWithDifferentStatus) {
  zqtest::TempDir dir;
  zqp::Status status = zqp::kNoErr;
  EXPECT_FALSE(zqp::ReadPropertyList(dir.path() + "/none.plist", &status));
  EXPECT_EQ(status, zqp::kFileNotFoundErr);

  zqp::PlistPtr root(plist_new_dict());
  plist_dict_set_item(root.get(), "Key", plist_new_string("value"));
  const std::string path = dir.path() + "/cut.plist";
  ASSERT_EQ(zqp::WritePropertyList(path, root.get()), zqp::kNoErr);
  std::stringstream whole;
  whole << std::ifstream(path).rdbuf();
  const std::string text = whole.str();
  for (const std::string& damaged : {text.substr(0, text.size() / 2), std::string("not a property list"),
                                     std::string("bplist00\x01\x02", 10), std::string()}) {
    dir.file("cut.plist", damaged);
    status = zqp::kNoErr;
    EXPECT_FALSE(zqp::ReadPropertyList(path, &status)) << damaged;
    EXPECT_EQ(status, zqp::kIoErr) << damaged;
  }
  EXPECT_EQ(zqp::WritePropertyList(path, nullptr), zqp::kParamErr);
}

}  // namespace
