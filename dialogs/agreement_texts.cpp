#include "dialogs/agreement_texts.h"

#include <QString>

namespace dialogs {
namespace {

QStringList Lines(const char* text) {
  QStringList lines = QString::fromUtf8(text).split(QLatin1Char('\n'));
  // The raw literals begin and end on their own lines.
  lines.removeFirst();
  lines.removeLast();
  return lines;
}

constexpr const char* kTerms = R"(
Terms and Conditions:

By using Rankscout you acknowledge that:
  - Rankscout must not be copied, altered or passed on to others without the
    written permission of Hallvane, LLC.
  - Rankscout serves only for analysing data.

Disclaimer:

  - Hallvane, LLC is not liable for the accuracy of the page ranks obtained
    through Rankscout, nor for any delays in obtaining them.
  - Hallvane, LLC is not liable for the web content obtained through Rankscout.
  - Hallvane, LLC is not liable for any errors generated through Rankscout.
)";

constexpr const char* kLicense = R"(
RANKSCOUT END-USER LICENSE AGREEMENT

Please read this agreement carefully before you use Rankscout.

This End-User License Agreement ("Agreement") is a legal agreement between you,
either an individual or a single entity ("You"), and Hallvane, LLC ("Hallvane")
for the Rankscout software, which includes the program, its updates, any
printed or electronic documentation and any associated media ("Software").

By installing, copying or otherwise using the Software, You agree to be bound
by the terms of this Agreement. If You do not agree to these terms, do not
install or use the Software, and remove every copy of it from Your computer.

1. GRANT OF LICENSE

Hallvane grants You a non-exclusive, non-transferable license to install and
use one copy of the Software on one computer at a time, for Your own purposes
of analysing the standing of web sites in public search engines.

You may make one copy of the Software solely for backup or archival purposes,
provided that the copy carries all of the notices found on the original.

2. RESERVATION OF RIGHTS

The Software is licensed, not sold. Hallvane and its suppliers keep all right,
title and interest in and to the Software, including every copyright, patent,
trade secret, trade mark and other intellectual property right in it.

All rights not expressly granted to You in this Agreement are reserved by
Hallvane.

3. RESTRICTIONS

You may not, and You may not permit others to:

  a. copy the Software, except as allowed in section 1;
  b. alter, modify, translate or adapt the Software, or create works derived
     from it;
  c. reverse engineer, decompile or disassemble the Software, except to the
     extent that the law applicable to You expressly permits it despite this
     limitation;
  d. rent, lease, lend, sell, sublicense, distribute or otherwise pass on the
     Software to any third party without the written permission of Hallvane;
  e. remove, hide or alter any notice of copyright, trade mark or other
     proprietary right on or in the Software;
  f. use the Software in any way that breaks the law or the terms of use of
     the search engines and web sites it contacts.

4. USE OF SEARCH ENGINES AND THE INTERNET

The Software sends requests to public search engines and reads the pages they
return. The search engines are operated by third parties who are not parties
to this Agreement. Their services, their results and their terms of use may
change at any time and without notice.

You alone are responsible for the searches You run with the Software, for
their number and frequency, and for complying with the terms of use of every
search engine and web site the Software contacts on Your behalf.

Hallvane does not control, check or endorse the content of any web page that
the Software reads, and is not responsible for it.

5. UPDATES

The Software may check for newer versions when it starts and when You ask it
to. When You accept an update, the Software downloads and installs it in place
of the version You have. Updates are licensed under this Agreement unless they
come with an agreement of their own.

6. PRIVACY

The Software keeps the search words and web sites You type only while it runs.
It does not send them to Hallvane. Requests to the search engines and to the
update server necessarily disclose Your network address to those servers.

7. SUPPORT

Hallvane is under no obligation to provide support, maintenance or updates for
the Software. Any support that Hallvane provides is given at its own discretion
and under the terms of this Agreement.

8. TERM AND TERMINATION

This Agreement takes effect when You first use the Software and lasts until it
is terminated. You may terminate it at any time by removing every copy of the
Software from Your computers.

This Agreement ends automatically, without notice from Hallvane, if You fail
to comply with any of its terms. On termination You must stop using the
Software and remove every copy of it.

9. NO WARRANTY

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE, ACCURACY AND NON-INFRINGEMENT.

Hallvane does not warrant that the Software will meet Your requirements, that
it will run without interruption or error, that the page ranks it reports are
accurate or complete, or that any search engine will remain available to it.

The entire risk as to the quality and performance of the Software, and of the
results You obtain with it, is with You.

10. LIMITATION OF LIABILITY

TO THE FULLEST EXTENT PERMITTED BY THE APPLICABLE LAW, IN NO EVENT SHALL
HALLVANE OR ITS SUPPLIERS BE LIABLE FOR ANY SPECIAL, INCIDENTAL, INDIRECT OR
CONSEQUENTIAL DAMAGES WHATSOEVER, INCLUDING DAMAGES FOR LOSS OF PROFITS, LOSS
OF BUSINESS, LOSS OF DATA OR BUSINESS INTERRUPTION, ARISING OUT OF THE USE OF
OR THE INABILITY TO USE THE SOFTWARE, EVEN IF HALLVANE HAS BEEN ADVISED OF THE
POSSIBILITY OF SUCH DAMAGES.

In any case, the entire liability of Hallvane under this Agreement is limited
to the amount You actually paid for the Software.

Some jurisdictions do not allow the exclusion or limitation of liability for
incidental or consequential damages, so the above limitation may not apply to
You.

11. EXPORT

You agree to comply with all export laws and regulations that apply to the
Software, and not to export or re-export it in breach of them.

12. GOVERNING LAW

This Agreement is governed by the laws of the place where Hallvane has its
registered office, without regard to its rules on conflicts of laws.

13. SEVERABILITY

If any provision of this Agreement is held to be unenforceable, that provision
shall be enforced to the greatest extent permissible, and the remaining
provisions shall continue in full force and effect.

14. WAIVER

A failure or delay of Hallvane in exercising any right under this Agreement
is not a waiver of that right.

15. ASSIGNMENT

You may not assign or transfer this Agreement or any right under it without
the prior written consent of Hallvane. Hallvane may assign this Agreement to
any successor of its business.

16. ENTIRE AGREEMENT

This Agreement is the entire agreement between You and Hallvane relating to
the Software. It supersedes all prior or contemporaneous oral or written
communications, proposals and representations with respect to the Software.
No change to this Agreement is binding unless it is made in writing and signed
by Hallvane.

17. CONTACT

Questions about this Agreement may be sent to Hallvane, LLC in writing.

By ticking "Accept License" and pressing "Continue" You confirm that You have
read this Agreement, that You understand it, and that You agree to be bound by
its terms.

Copyright (c) Hallvane, LLC. All rights reserved.
)";

}  // namespace

QStringList TermsText() { return Lines(kTerms); }

QStringList LicenseText() { return Lines(kLicense); }

}  // namespace dialogs
