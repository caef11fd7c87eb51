# bash completion for velkari-cli: in a query ("3 ft to m") the names of every unit;
# commands, categories, the units of the category already typed (names and
# abbreviations), options and element symbols. The names come
# from the program itself (--list, --names), so they are always its own.

# The word as the shell will read it, into the variable named $2: quotes taken off and
# escapes undone ('Candela / c, "Foot (, Square\ k). What was typed is never evaluated.
# The locals have names of their own: the caller's variable is set by its name.
_velkari_cli_unquote() {
    local _text=$1 _plain="" _quote="" _c _i
    for ((_i = 0; _i < ${#_text}; _i++)); do
        _c=${_text:_i:1}
        if [[ $_quote == "'" ]]; then
            [[ $_c == "'" ]] && _quote="" || _plain+=$_c
        elif [[ $_quote == '"' ]]; then
            if [[ $_c == '"' ]]; then
                _quote=""
            elif [[ $_c == '\' && ${_text:_i+1:1} == [\"\\\$\`] ]]; then
                _plain+=${_text:_i+1:1}
                _i=$((_i + 1))
            else
                _plain+=$_c
            fi
        elif [[ $_c == "'" || $_c == '"' ]]; then
            _quote=$_c
        elif [[ $_c == '\' ]]; then
            _plain+=${_text:_i+1:1}
            _i=$((_i + 1))
        else
            _plain+=$_c
        fi
    done
    printf -v "$2" '%s' "$_plain"
}

# Offers the lines of standard input that start with the word being completed: those
# in its own capitals if there are any ("Square k" is "Square kilometer (km²)", not also
# "square kilometer"), else those with case ignored. The lines go as they are:
# readline quotes them as the word was begun (in single or double quotes, or with
# backslashes), as it does for file names.
_velkari_cli_offer() {
    local word line
    local -a same=() folded=()
    _velkari_cli_unquote "$1" word
    compopt -o filenames 2>/dev/null || true
    while IFS= read -r line; do
        if [[ $line == "$word"* ]]; then
            same+=("$line")
        elif [[ ${line,,} == "${word,,}"* ]]; then
            folded+=("$line")
        fi
    done
    if ((${#same[@]})); then
        COMPREPLY+=("${same[@]}")
    else
        COMPREPLY+=("${folded[@]}")
    fi
}

# The names of every category's units, for a query, whose words name no category.
_velkari_cli_all_names() {
    local category
    "$1" --list 2>/dev/null | while IFS= read -r category; do
        "$1" --names "$category" 2>/dev/null
    done | sort -u
}

_velkari_cli() {
    local cli=${COMP_WORDS[0]} cur=${COMP_WORDS[COMP_CWORD]} prev=""
    ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}
    COMPREPLY=()

    # The words that are neither options nor their values, up to the cursor.
    local -a positional=()
    local i skip=0
    for ((i = 1; i < COMP_CWORD; i++)); do
        if ((skip)); then
            skip=0
            continue
        fi
        case ${COMP_WORDS[i]} in
            --to | --format | --decimals | --compound | --unknown) skip=1 ;;
            -[!0-9.]*) ;; # an option, not "-" (standard input) nor a negative value
            *)
                # Unquoted by hand: what was typed is never evaluated.
                local word=${COMP_WORDS[i]//\\/}
                word=${word//\"/}
                positional+=("${word//\'/}")
                ;;
        esac
    done
    local first=${positional[0]:-} count=${#positional[@]}
    first=${first,,}
    # A query begins with its amount, or is "-" (one a line from standard input).
    local query=0
    [[ $first == [-+.0-9]* ]] && query=1

    case $prev in
        --format) _velkari_cli_offer "$cur" < <(printf '%s\n' plain tsv csv json); return ;;
        --decimals) _velkari_cli_offer "$cur" < <(printf '%s\n' 0 1 2 3 4 5); return ;;
        --list) _velkari_cli_offer "$cur" < <("$cli" --list 2>/dev/null); return ;;
        --names) _velkari_cli_offer "$cur" < <("$cli" --list 2>/dev/null; echo element); return ;;
        --to)
            if ((query)); then
                _velkari_cli_offer "$cur" < <(_velkari_cli_all_names "$cli")
                return
            fi
            ((count > 0)) && _velkari_cli_offer "$cur" < <("$cli" --names "${positional[0]}" 2>/dev/null)
            return
            ;;
    esac
    if [[ $cur == -* ]]; then
        _velkari_cli_offer "$cur" < <(printf '%s\n' --to --format --decimals --scientific \
            --list --names --help --version --compound --unknown)
        return
    fi
    if ((count == 0)); then
        _velkari_cli_offer "$cur" < <(printf '%s\n' element weight composition moles grams formula
            "$cli" --list 2>/dev/null)
        return
    fi
    if ((query)); then
        _velkari_cli_offer "$cur" < <(_velkari_cli_all_names "$cli")
        return
    fi
    case $first in
        element)
            ((count == 1)) && _velkari_cli_offer "$cur" < <("$cli" --names element)
            ;;
        weight | formula)
            # "Weight 5 <unit>" converts; "weight H 2 O 1" is a formula.
            if [[ $first == weight && $count == 2 && ${positional[1]} == [-+.0-9]* ]]; then
                _velkari_cli_offer "$cur" < <("$cli" --names Weight)
            elif ((count % 2 == 1)); then
                _velkari_cli_offer "$cur" < <("$cli" --names element)
            fi
            ;;
        composition | moles | grams) ;;
        *)
            ((count == 2)) && _velkari_cli_offer "$cur" < <("$cli" --names "${positional[0]}" 2>/dev/null)
            ;;
    esac
}

complete -F _velkari_cli velkari-cli
