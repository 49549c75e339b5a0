#pragma once

#include <stdexcept>
#include <string>

namespace pluvane {

// Every failure the user can meet is one of these, each with its fixed
// message. They are caught only where the message is shown to the user.
class PluvaneError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class EConvertError : public PluvaneError {
public:
    EConvertError() : PluvaneError("日付に変換できない値が渡されました") {}
};

class EOutOfResources : public PluvaneError {
public:
    EOutOfResources() : PluvaneError("ｼｽﾃﾑ ﾘｿｰｽが足りません") {}
};

class EInvalidGraphic : public PluvaneError {
public:
    EInvalidGraphic() : PluvaneError("ﾒﾀﾌｧｲﾙが不正です") {}
};

class EFCreateError : public PluvaneError {
public:
    explicit EFCreateError(const std::string& fileName) : PluvaneError("ﾌｧｲﾙ " + fileName + " を作成できません") {}
};

class EWriteError : public PluvaneError {
public:
    EWriteError() : PluvaneError("ｽﾄﾘｰﾑへの書き込みｴﾗｰ") {}
};

} // namespace pluvane
