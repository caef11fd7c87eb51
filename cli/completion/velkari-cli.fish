# fish completion for velkari-cli: in a query ("3 ft to m") the names of every unit;
# commands, categories, the units of the category already typed (names and
# abbreviations), options and element symbols, from the program itself (--list,
# --names).

# The words typed so far that are neither options nor their values.
function __velkari_cli_positional
    set -l skip 0
    for token in (commandline -opc)[2..-1]
        if test $skip = 1
            set skip 0
            continue
        end
        switch $token
            case --to --format --decimals --compound --unknown
                set skip 1
            case '*'
                # An option, but not "-" (standard input) nor a negative value
                string match -qr -- '^-[^0-9.]' $token; or echo $token
        end
    end
end

# The names of every category's units, for a query, whose words name no category.
function __velkari_cli_all_names
    for category in ($argv[1] --list 2>/dev/null)
        $argv[1] --names $category 2>/dev/null
    end | sort -u
end

function __velkari_cli_complete
    set -l cli (commandline -opc)[1]
    set -l previous (commandline -opc)[-1]
    set -l positional (__velkari_cli_positional)
    set -l count (count $positional)
    # A query begins with its amount, or is "-".
    set -l query 0
    test $count -gt 0; and string match -qr '^[-+.0-9]' -- $positional[1]; and set query 1
    switch $previous
        case --format
            printf '%s\n' plain tsv csv json
            return
        case --decimals
            printf '%s\n' 0 1 2 3 4 5
            return
        case --list
            $cli --list 2>/dev/null
            return
        case --names
            $cli --list 2>/dev/null
            echo element
            return
        case --to
            if test $query = 1
                __velkari_cli_all_names $cli
                return
            end
            test $count -gt 0; and $cli --names $positional[1] 2>/dev/null
            return
    end
    if test $count -eq 0
        printf '%s\n' element weight composition moles grams formula
        $cli --list 2>/dev/null
        return
    end
    if test $query = 1
        __velkari_cli_all_names $cli
        return
    end
    set -l first (string lower -- $positional[1])
    switch $first
        case element
            test $count -eq 1; and $cli --names element
        case weight formula
            # "Weight 5 <unit>" converts; "weight H 2 O 1" is a formula.
            if test $first = weight -a $count -eq 2; and string match -qr '^[-+.0-9]' -- $positional[2]
                $cli --names Weight
            else if test (math $count % 2) -eq 1
                $cli --names element
            end
        case composition moles grams
        case '*'
            test $count -eq 2; and $cli --names $positional[1] 2>/dev/null
    end
end

complete -c velkari-cli -f -a '(__velkari_cli_complete)'
complete -c velkari-cli -l to -x -a '(__velkari_cli_complete)' -d 'only this unit (repeatable)'
complete -c velkari-cli -l format -x -a 'plain tsv csv json' -d 'plain, tsv, csv or json'
complete -c velkari-cli -l decimals -x -a '0 1 2 3 4 5' -d 'digits after the decimal point'
complete -c velkari-cli -l scientific -d 'every value in exponent form'
complete -c velkari-cli -l list -d 'the categories, or the units of one'
complete -c velkari-cli -l names -x -a '(__velkari_cli_complete)' -d 'the names UNIT accepts'
complete -c velkari-cli -l help -d 'show the help'
complete -c velkari-cli -l version -d 'show the version'
complete -c velkari-cli -l compound -x -d 'formula: the sample in grams'
complete -c velkari-cli -l unknown -x -d 'formula: the molecular weight'
