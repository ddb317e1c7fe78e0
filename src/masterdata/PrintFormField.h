#pragma once

namespace tekvora::masterdata {

/// A record field that keeps the print form a window prints with, such as an editor's current record.
class PrintFormField
{
public:
    virtual ~PrintFormField() = default;

    virtual int formNumber() const = 0;
    /// Puts the record into edit state and sets the field; posts the record when `post` is set.
    virtual void setFormNumber(int formNumber, bool post) = 0;
};

} // namespace tekvora::masterdata
