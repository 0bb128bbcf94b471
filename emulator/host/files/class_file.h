/* A vessel class file, "config\vessels\<class>.cfg": lines of KEY = VALUE.
 * The host reads ClassName and Module; Size and Mass give a vessel that no
 * module implements its shape. */
#ifndef BRIMSTAR_EMULATOR_HOST_CLASS_FILE_H
#define BRIMSTAR_EMULATOR_HOST_CLASS_FILE_H

#include <map>
#include <string>

namespace emu {

struct ClassFile {
    bool found = false;
    std::map<std::string, std::string> values;  // keys in lower case

    /* The value of a key, or "" */
    std::string value(const std::string& key) const;

    static ClassFile Read(const std::string& className);
};

}  // namespace emu

#endif
