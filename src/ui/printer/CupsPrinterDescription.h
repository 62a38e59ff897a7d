#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

struct ppd_file_s;

namespace ui::printer {

class CupsConnection;

// The printer description (PPD) of a print-server queue, as the server hands
// it out, read with the client library's own reader. Its paper sizes are
// known by their own names only here: the server's attributes give a size
// without a standard name a name of the server's making (custom_...), while
// the user's PageSize option, and a media option such as media=Ticket, name
// it as the description does.
class CupsPrinterDescription
{
public:
    // A paper size of the description: its own name, and its width and
    // length in hundredths of a millimetre.
    struct Size
    {
        QByteArray name;
        int width = 0;
        int length = 0;
    };

    // Fetches the description of the queue at `printerUri` (its
    // printer-uri-supported) on `connection`, within the connection's
    // deadline; none for a queue without one (a raw queue), or when the
    // server does not hand it out.
    CupsPrinterDescription(const CupsConnection &connection, const char *printerUri);
    ~CupsPrinterDescription();
    CupsPrinterDescription(const CupsPrinterDescription &) = delete;
    CupsPrinterDescription &operator=(const CupsPrinterDescription &) = delete;

    bool isValid() const { return m_ppd != nullptr; }

    // The size that `name` stands for as the description's PageSize, as the
    // client library resolves it: one of its sizes by name, letters compared
    // without regard to case, or "Custom.WIDTHxLENGTH" (with a unit) where
    // it takes sizes of the user's own; none for any other name.
    std::optional<Size> pageSize(const QByteArray &name) const;

    // Of the description's own sizes (not the one for sizes of the user's
    // own), the one closest to `width` by `length` hundredths of a
    // millimetre and within a millimetre of it; none when there is none.
    std::optional<Size> sizeNear(int width, int length) const;

private:
    std::vector<Size> sizes() const;

    ppd_file_s *m_ppd = nullptr;
};

} // namespace ui::printer
