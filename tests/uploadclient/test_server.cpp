// tollbox-test-server: a loopback HTTPS stand-in for a pay-for-print server,
// for trying the upload client by hand. It answers the account check with
// the reply given and takes uploads into a folder.
//
//   tollbox-test-server CERT KEY FOLDER [CHECK-REPLY]
//
// Prints the base URL on its first line, then one line per request; ends on
// SIGINT or SIGTERM.
#include <httplib.h>

#include <csignal>
#include <fstream>
#include <iostream>
#include <string>

#include "upload_core.h"

namespace {
httplib::SSLServer* server = nullptr;
void Stop(int) {
  if (server) server->stop();
}
}  // namespace

int main(int argc, char** argv) {
  if (argc < 4 || argc > 5) {
    std::cerr << "usage: tollbox-test-server CERT KEY FOLDER [CHECK-REPLY]\n";
    return 2;
  }
  const std::string folder = argv[3];
  const std::string reply = argc == 5 ? argv[4] : "{\"Status\":0,\"Result\":0}";
  httplib::SSLServer s(argv[1], argv[2]);
  if (!s.is_valid()) {
    std::cerr << "tollbox-test-server: cannot use the certificate " << argv[1] << "\n";
    return 1;
  }
  server = &s;
  s.Get(".*/IsUserExisted", [&](const httplib::Request& req, httplib::Response& res) {
    std::cout << "check: " << req.path << " username=" << tollbox::EscapeForLog(req.get_param_value("username"))
              << std::endl;
    res.set_content(reply, "application/json");
  });
  s.Post(".*/PrintClientFileUpload", [&](const httplib::Request& req, httplib::Response& res) {
    // Names as the form gave them, escaped: a line end in one would make a
    // line of its own here.
    std::cout << "upload: " << req.path << " parts=" << req.files.size();
    for (const auto& [name, part] : req.files) {
      std::cout << " " << tollbox::EscapeForLog(name)
                << (part.filename.empty() ? "" : "(" + tollbox::EscapeForLog(part.filename) + ")") << "="
                << part.content.size() << "B";
      if (name == "printfile") std::ofstream(folder + "/printfile.gz", std::ios::binary) << part.content;
    }
    std::cout << std::endl;
    res.set_content("{}", "application/json");
  });
  const int port = s.bind_to_any_port("127.0.0.1");
  if (port <= 0) return 1;
  std::signal(SIGINT, Stop);
  std::signal(SIGTERM, Stop);
  std::cout << "https://localhost:" << port << std::endl;
  s.listen_after_bind();
  return 0;
}
