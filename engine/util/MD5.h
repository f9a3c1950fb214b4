#pragma once

#include <cstdint>
#include <ostream>
#include <string>

// MD5 message digest (RFC 1321) over bytes or a text.
class MD5
{
public:
    MD5();
    explicit MD5(const std::string &text);

    void init();
    void update(const unsigned char *input, unsigned int length);
    void update(const char *input, unsigned int length);
    MD5 &finalize();
    std::string hexdigest() const;   // empty until finalize()
    std::string md5() const { return hexdigest(); }

private:
    void transform(const uint8_t block[64]);

    bool m_finalized = false;
    uint8_t m_buffer[64] = {};
    uint32_t m_count[2] = {0, 0};    // bit count, low word first
    uint32_t m_state[4] = {};
    uint8_t m_digest[16] = {};
};

std::ostream &operator<<(std::ostream &out, const MD5 &md5);
