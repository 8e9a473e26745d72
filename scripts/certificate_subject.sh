#!/usr/bin/env bash
# The subject of the certificate on standard input (PEM) as Windows writes a publisher:
# "CN=..., O=..., C=...". A sparse package's publisher must be exactly that of its signer.
set -euo pipefail
openssl x509 -noout -subject -nameopt RFC2253,sep_comma_plus_space,-esc_msb,utf8 | sed 's/^subject=//'
