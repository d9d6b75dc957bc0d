#include "filter_harness.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "core/dispatch.h"
#include "core/filter_main.h"

namespace zqtest {

PpdBuilder::PpdBuilder() = default;

PpdBuilder& PpdBuilder::Attr(const std::string& name, const std::string& value) {
  lines_.push_back("*" + name + ": " + value);
  return *this;
}

PpdBuilder& PpdBuilder::QuotedAttr(const std::string& name, const std::string& value) {
  return Attr(name, "\"" + value + "\"");
}

PpdBuilder& PpdBuilder::PickOne(const std::string& keyword, const std::vector<std::string>& choices) {
  lines_.push_back("*OpenUI *" + keyword + "/" + keyword + ": PickOne");
  lines_.push_back("*OrderDependency: 30 AnySetup *" + keyword);
  lines_.push_back("*Default" + keyword + ": " + (choices.empty() ? "None" : choices.front()));
  for (const auto& c : choices) lines_.push_back("*" + keyword + " " + c + "/" + c + ": \"\"");
  lines_.push_back("*CloseUI: *" + keyword);
  return *this;
}

PpdBuilder& PpdBuilder::LanguageEncoding(const std::string& value) {
  encoding_ = value;
  return *this;
}

PpdBuilder& PpdBuilder::ColorDevice(bool color) {
  color_ = color;
  return *this;
}

std::string PpdBuilder::Text() const {
  std::ostringstream s;
  s << "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
    << "*LanguageVersion: English\n*LanguageEncoding: " << encoding_ << "\n"
    << "*PCFileName: \"ZQTEST.PPD\"\n*Manufacturer: \"ZQ\"\n*Product: \"(ZQ Test)\"\n"
    << "*ModelName: \"ZQ Test\"\n*ShortNickName: \"ZQ Test\"\n*NickName: \"ZQ Test\"\n"
    << "*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n*ColorDevice: " << (color_ ? "True" : "False") << "\n"
    << "*DefaultColorSpace: " << (color_ ? "RGB" : "Gray") << "\n"
    << "*FileSystem: False\n*Throughput: \"1\"\n*TTRasterizer: Type42\n";
  for (const auto& l : lines_) s << l << "\n";
  s << "*OpenUI *PageSize: PickOne\n*OrderDependency: 10 AnySetup *PageSize\n*DefaultPageSize: A4\n"
    << "*PageSize A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    << "*PageSize Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n*CloseUI: *PageSize\n"
    << "*OpenUI *PageRegion: PickOne\n*OrderDependency: 10 AnySetup *PageRegion\n*DefaultPageRegion: A4\n"
    << "*PageRegion A4/A4: \"<</PageSize[595 842]>>setpagedevice\"\n"
    << "*PageRegion Letter/Letter: \"<</PageSize[612 792]>>setpagedevice\"\n*CloseUI: *PageRegion\n"
    << "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"12 12 583 830\"\n"
    << "*ImageableArea Letter/Letter: \"12 12 600 780\"\n*DefaultPaperDimension: A4\n"
    << "*PaperDimension A4/A4: \"595 842\"\n*PaperDimension Letter/Letter: \"612 792\"\n"
    << "*DefaultFont: Courier\n*Font Courier: Standard \"(002.004S)\" Standard ROM\n";
  return s.str();
}

std::string PpdBuilder::Write() const {
  // Tests keep the path for the rest of the process; the files go at exit.
  static std::vector<std::unique_ptr<TempFile>> written;
  written.push_back(std::make_unique<TempFile>(Text(), ".ppd"));
  return written.back()->path();
}

TempFile::TempFile(const std::string& content, const std::string& suffix) {
  const char* dir = std::getenv("TMPDIR");
  std::string templ = std::string(dir != nullptr && *dir ? dir : "/tmp") + "/zqtestXXXXXX" + suffix;
  std::vector<char> name(templ.begin(), templ.end());
  name.push_back('\0');
  int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
  if (fd < 0) throw std::runtime_error("mkstemps failed");
  size_t done = 0;
  while (done < content.size()) {
    ssize_t n = ::write(fd, content.data() + done, content.size() - done);
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  ::close(fd);
  path_ = name.data();
}

TempFile::~TempFile() { ::unlink(path_.c_str()); }

std::string ReadAll(int fd) {
  std::string data;
  ::lseek(fd, 0, SEEK_SET);
  char buf[65536];
  ssize_t n;
  while ((n = ::read(fd, buf, sizeof buf)) > 0) data.append(buf, static_cast<size_t>(n));
  return data;
}

namespace {

class EnvGuard {
 public:
  EnvGuard(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old, had_ = true;
    if (value.empty()) {
      ::unsetenv(name);
    } else {
      ::setenv(name, value.c_str(), 1);
    }
  }
  ~EnvGuard() {
    if (had_) {
      ::setenv(name_, old_.c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::string old_;
  bool had_ = false;
};

}  // namespace

JobResult RunInProcess(const zqf::EditionProfile& profile, const JobSpec& spec) {
  TempFile input(spec.postscript, ".ps");
  std::vector<std::string> args = {profile.name, "7", spec.user, spec.title, spec.copies, spec.options};
  if (!spec.useStdin) args.push_back(input.path());
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int inFd = ::open(input.path().c_str(), O_RDONLY);
  int outFd = memfd_create("out", 0);
  int errFd = memfd_create("err", 0);
  JobResult result;
  {
    EnvGuard ppd("PPD", spec.ppdPath);
    result.status = zqf::RunJob(profile, static_cast<int>(args.size()), argv.data(), inFd, outFd, errFd);
  }
  result.out = ReadAll(outFd);
  result.err = ReadAll(errFd);
  ::close(inFd);
  ::close(outFd);
  ::close(errFd);
  return result;
}

HeaderRun RunHeaderOf(const zqf::EditionProfile& profile, const JobSpec& spec, const std::string& host) {
  HeaderRun run;
  zqf::Stream out(&run.out);
  zqf::Stream err(&run.err);
  zqf::Job job(profile, {profile.name, "7", spec.user, spec.title, spec.copies, spec.options}, out, err);
  job.options = zqf::Options(spec.options.c_str());
  if (!spec.ppdPath.empty()) job.ppd.reset(ppdOpenFile(spec.ppdPath.c_str()));
  job.options.TakeDefaults(job.ppd.get());
  profile.prepareIdentity(job);
  zqf::InializeDescriptionTable(job);
  job.HostNameStr = host;
  if (zqf::GetTicketFromPDE(job) == 1) zqf::OutputEPJLCommand(job);
  out.Flush();
  err.Flush();
  return run;
}

JobResult RunProgram(const std::string& program, const JobSpec& spec,
                     const std::vector<std::pair<std::string, std::string>>& env) {
  TempFile input(spec.postscript, ".ps");
  int outFd = memfd_create("out", 0);
  int errFd = memfd_create("err", 0);
  pid_t pid = fork();
  if (pid == 0) {
    int inFd = ::open(input.path().c_str(), O_RDONLY);
    dup2(inFd, 0);
    dup2(outFd, 1);
    dup2(errFd, 2);
    if (spec.ppdPath.empty()) {
      unsetenv("PPD");
    } else {
      setenv("PPD", spec.ppdPath.c_str(), 1);
    }
    for (const auto& [k, v] : env) setenv(k.c_str(), v.c_str(), 1);
    std::vector<std::string> args = {program, "7", spec.user, spec.title, spec.copies, spec.options};
    if (!spec.useStdin) args.push_back(input.path());
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  JobResult result;
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  result.out = ReadAll(outFd);
  result.err = ReadAll(errFd);
  ::close(outFd);
  ::close(errFd);
  return result;
}

std::vector<std::string> HeaderLines(const std::string& stream) {
  std::vector<std::string> lines;
  const std::string uel = "\x1b%-12345X";
  size_t pos = stream.find(uel);
  if (pos == std::string::npos) return lines;
  pos += uel.size();
  const size_t stop = stream.find("@PJL ENTER LANGUAGE=POSTSCRIPT\n", pos);
  const std::string header = stream.substr(pos, stop == std::string::npos ? std::string::npos : stop - pos);
  size_t start = 0;
  while (start < header.size()) {
    size_t nl = header.find('\n', start);
    if (nl == std::string::npos) nl = header.size() - 1;
    lines.push_back(header.substr(start, nl - start + 1));
    start = nl + 1;
  }
  return lines;
}

std::string PostScriptPart(const std::string& stream) {
  const std::string enter = "@PJL ENTER LANGUAGE=POSTSCRIPT\n";
  size_t pos = stream.find(enter);
  if (pos == std::string::npos) return {};
  pos += enter.size();
  size_t eot = stream.rfind('\x04');
  if (eot == std::string::npos || eot < pos) eot = stream.size();
  return stream.substr(pos, eot - pos);
}

std::string SamplePostScript(int pages, const std::string& body) {
  std::ostringstream s;
  s << "%!PS-Adobe-3.0\n%%Pages: " << pages << "\n%%EndComments\n%%BeginProlog\n"
    << "/bp { gsave } bind def\n/ep { grestore showpage } bind def\n%%EndProlog\n"
    << "%%BeginSetup\n%%EndSetup\n";
  for (int p = 1; p <= pages; ++p) {
    s << "%%Page: " << p << " " << p << "\n%%BeginPageSetup\n%%EndPageSetup\nbp\n"
      << "/Helvetica findfont 20 scalefont setfont 72 720 moveto (Page " << p << ") show\n"
      << body << "ep\n";
  }
  s << "%%Trailer\n%%EOF\n";
  return s.str();
}

std::string BinPath(const std::string& name) { return std::string(ZQ_BIN_DIR) + "/" + name; }

}  // namespace zqtest
