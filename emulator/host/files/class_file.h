/* A vessel class file, "config\vessels\<class>.cfg": lines of KEY = VALUE.
 * The host reads ClassName and Module; Size and Mass give a vessel that no
 * module implements its shape. */
#ifndef BRIMSTAR_EMULATOR_HOST_CLASS_FILE_H
#define BRIMSTAR_EMULATOR_HOST_CLASS_FILE_H

#include <map>
#include <string>

namespace emu {

struct ClassFile {
    std::string path;
    bool found = false;
    std::string problem;  // why a file that is there cannot be read, or ""
    std::map<std::string, std::string> values;  // keys in lower case

    /* The value of a key, or "" */
    std::string value(const std::string& key) const;

    /* A positive, finite number under the key into value; false with the
     * file and why when the key holds anything else. An absent key leaves
     * value as it was. */
    bool positiveNumber(const std::string& key, double& value, std::string& error) const;

    static ClassFile Read(const std::string& className);
};

}  // namespace emu

#endif
